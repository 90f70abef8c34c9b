# Convex hull without points on its sides, counter-clockwise from the lowest of the leftmost
# points. The reference wraps the points like a gift (Jarvis), a different method.
M = 10 ** 9


def cases(rng):
    yield "1\n5 5\n"
    yield "3\n1 1\n1 1\n1 1\n"                      # one point three times
    yield "4\n0 0\n2 2\n1 1\n3 3\n"                 # all on one line
    yield f"4\n{-M} {-M}\n{M} {M}\n{-M} {M}\n{M} {-M}\n"
    yield big(rng)
    for _ in range(100):
        n = rng.randint(1, 12)
        lim = rng.choice([1, 3, 6])
        yield f"{n}\n" + "".join(f"{rng.randint(-lim, lim)} {rng.randint(-lim, lim)}\n" for _ in range(n))


R = 31622   # R * R <= 10^9


def big(rng):
    """Every point (x, x^2) is a vertex, the rest lie strictly inside: the worst case for the
    stack and the largest input, with a known answer."""
    pts = [(x, x * x) for x in range(-R, R + 1)]
    while len(pts) < 200000:
        x = rng.randint(-R + 1, R - 1)
        pts.append((x, rng.randint(x * x + 1, R * R - 1)))
    rng.shuffle(pts)
    return f"{len(pts)}\n" + "".join(f"{x} {y}\n" for x, y in pts)


def cross(a, b, c):
    return (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])


def jarvis(pts):
    pts = sorted(set(pts))
    if len(pts) < 3:
        return pts
    start = pts[0]
    hull = [start]
    cur = start
    while True:
        nxt = None
        for q in pts:
            if q == cur:
                continue
            if nxt is None:
                nxt = q
                continue
            c = cross(cur, nxt, q)
            d_q = (q[0] - cur[0]) ** 2 + (q[1] - cur[1]) ** 2
            d_n = (nxt[0] - cur[0]) ** 2 + (nxt[1] - cur[1]) ** 2
            if c < 0 or (c == 0 and d_q > d_n):    # q is more clockwise, or further on the line
                nxt = q
        if nxt == start:
            return hull
        hull.append(nxt)
        cur = nxt
        if len(hull) > len(pts):
            raise RuntimeError("wrapping does not close")


def reference(stdin):
    v = [int(x) for x in stdin.split()]
    pts = list(zip(v[1::2], v[2::2]))
    h = [(x, x * x) for x in range(-R, R + 1)] if v[0] == 200000 else jarvis(pts)
    return f"{len(h)}\n" + "".join(f"{x} {y}\n" for x, y in h)


def worked_examples():
    yield ("9\n0 0\n4 0\n6 3\n3 2\n2 5\n0 4\n2 0\n1 2\n4 4\n", "5\n0 0\n4 0\n6 3\n2 5\n0 4\n")
