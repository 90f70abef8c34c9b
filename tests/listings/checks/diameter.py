# Squared diameter of a point set; the reference compares every pair (of hull vertices,
# for the one large case).
M = 10 ** 9


def cases(rng):
    yield "1\n3 3\n"
    yield "3\n2 2\n2 2\n2 2\n"
    yield "4\n0 0\n1 1\n2 2\n5 5\n"                           # collinear
    yield f"2\n{-M} {-M}\n{M} {M}\n"
    yield "4\n0 0\n4 0\n4 4\n0 4\n"                          # parallel sides
    yield "601\n" + "".join(f"{x} {x * x}\n" for x in range(-300, 301))   # all are vertices
    yield "200000\n" + "".join(f"{rng.randint(-M, M)} {rng.randint(-M, M)}\n" for _ in range(200000))
    for _ in range(100):
        n = rng.randint(1, 25)
        lim = rng.choice([2, 6, M])
        yield f"{n}\n" + "".join(f"{rng.randint(-lim, lim)} {rng.randint(-lim, lim)}\n" for _ in range(n))


def hull_vertices(pts):
    # keeps every point that is not strictly inside: enough for a diameter
    pts = sorted(set(pts))

    def chain(seq):
        out = []
        for p in seq:
            while len(out) >= 2 and ((out[-1][0] - out[-2][0]) * (p[1] - out[-2][1])
                                     - (out[-1][1] - out[-2][1]) * (p[0] - out[-2][0])) < 0:
                out.pop()
            out.append(p)
        return out

    return set(chain(pts)) | set(chain(pts[::-1]))


def reference(stdin):
    v = [int(x) for x in stdin.split()]
    pts = list(zip(v[1::2], v[2::2]))
    if len(pts) > 1000:
        pts = list(hull_vertices(pts))
    best = max(((a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2 for a in pts for b in pts), default=0)
    return f"{best}\n"


def worked_examples():
    yield ("6\n0 0\n4 0\n6 3\n2 5\n0 4\n3 2\n", "45\n")
