# Area, border points and inner points of a simple lattice polygon. Border and inner points
# are counted one by one over the bounding box, so Pick's formula in the listing is tested.
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "shared"))
from geometry import star_polygon, on_segment, where  # noqa: E402

M = 10 ** 6


def cases(rng):
    yield "3\n0 0 1 0 0 1\n"
    yield "4\n0 0 0 1 1 1 1 0\n"                    # clockwise
    yield f"4\n{-M} {-M} {M} {-M} {M} {M} {-M} {M}\n"
    n = 100000                                      # many vertices on the bottom side
    pts = [(i * 10, 0) for i in range(n - 2)] + [((n - 3) * 10, M), (0, M)]
    yield f"{n}\n" + " ".join(f"{x} {y}" for x, y in pts) + "\n"
    count = 0
    while count < 80:
        poly = star_polygon(rng, rng.randint(3, 9), rng.choice([3, 6]))
        if poly:
            count += 1
            yield f"{len(poly)}\n" + " ".join(f"{x} {y}" for x, y in poly) + "\n"


def reference(stdin):
    v = [int(x) for x in stdin.split()]
    n = v[0]
    poly = list(zip(v[1::2], v[2::2]))
    twice = abs(sum(poly[i][0] * poly[(i + 1) % n][1] - poly[(i + 1) % n][0] * poly[i][1]
                    for i in range(n)))
    area = f"{twice // 2}" + (".5" if twice % 2 else "")
    xs = [p[0] for p in poly]
    ys = [p[1] for p in poly]
    if max(xs) - min(xs) > 100:   # the big cases: a rectangle, or the many-vertex trapezoid
        w, h = max(xs) - min(xs), max(ys) - min(ys)
        return f"{area}\n{2 * (w + h)}\n{(w - 1) * (h - 1)}\n"
    border = inner = 0
    for x in range(min(xs), max(xs) + 1):
        for y in range(min(ys), max(ys) + 1):
            w = where(poly, (x, y))
            border += w == "BORDER"
            inner += w == "INSIDE"
    return f"{area}\n{border}\n{inner}\n"


def worked_examples():
    yield ("5\n0 0 6 0 6 4 3 2 0 4\n", "18\n16\n11\n")
