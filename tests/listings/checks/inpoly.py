# Point in a simple polygon: INSIDE, OUTSIDE or BORDER. The reference sums winding angles.
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "shared"))
from geometry import star_polygon, where  # noqa: E402

M = 10 ** 9


def cases(rng):
    yield "3\n0 0 2 0 0 2\n0\n"
    # the ray runs along a horizontal side and through vertices
    yield "6\n0 0 4 0 4 2 2 2 2 4 0 4\n6\n1 2\n3 2\n-1 2\n1 4\n3 4\n5 0\n"
    yield f"4\n{-M} {-M} {M} {-M} {M} {M} {-M} {M}\n4\n{M} 0\n0 0\n{M} {M}\n{-M} {M - 1}\n"
    count = 0
    while count < 60:
        poly = star_polygon(rng, rng.randint(3, 10), rng.choice([3, 5]))
        if poly:
            count += 1
            pts = [(rng.randint(-6, 6), rng.randint(-6, 6)) for _ in range(rng.randint(1, 12))]
            pts += rng.sample(poly, 1)
            yield (f"{len(poly)}\n" + " ".join(f"{x} {y}" for x, y in poly) + f"\n{len(pts)}\n"
                   + "".join(f"{x} {y}\n" for x, y in pts))


def reference(stdin):
    v = [int(x) for x in stdin.split()]
    n = v[0]
    poly = list(zip(v[1:1 + 2 * n:2], v[2:2 + 2 * n:2]))
    q = v[1 + 2 * n]
    rest = v[2 + 2 * n:]
    pts = list(zip(rest[0::2], rest[1::2]))[:q]
    if max(abs(c) for c in v[1:1 + 2 * n]) == M:   # the big square, checked by hand
        return "".join(
            ("BORDER" if max(abs(x), abs(y)) == M else "INSIDE") + "\n" for x, y in pts)
    return "".join(where(poly, p) + "\n" for p in pts)


def worked_examples():
    yield ("5\n0 0 6 0 6 4 3 2 0 4\n5\n3 1\n3 3\n3 2\n1 2\n7 2\n",
           "INSIDE\nOUTSIDE\nBORDER\nINSIDE\nOUTSIDE\n")
