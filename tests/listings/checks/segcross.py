# Do two closed segments meet? The reference solves for the meeting point in exact fractions.
from fractions import Fraction

M = 10 ** 9


def cases(rng):
    yield "0\n"
    yield "2\n1 1 1 1 1 1 1 1\n1 1 1 1 2 2 2 2\n"          # points
    yield f"2\n{-M} {-M} {M} {M} {-M} {M} {M} {-M}\n{-M} {-M} {M} {M} {M + 0} {M} {M} {M}\n"
    yield f"1\n{-M} {-M} {M} {M - 1} {-M} {-M + 1} {M} {M}\n"  # nearly parallel, far apart ends
    for _ in range(60):
        q = rng.randint(1, 30)
        lim = rng.choice([2, 4, M])
        yield f"{q}\n" + "".join(
            " ".join(str(rng.randint(-lim, lim)) for _ in range(8)) + "\n" for _ in range(q))


def meet(a, b, c, d):
    # points of a + t(b - a), t in [0, 1], equal to c + u(d - c), u in [0, 1]
    rx, ry = b[0] - a[0], b[1] - a[1]
    sx, sy = d[0] - c[0], d[1] - c[1]
    qx, qy = c[0] - a[0], c[1] - a[1]
    den = rx * sy - ry * sx
    if den != 0:
        t = Fraction(qx * sy - qy * sx, den)
        u = Fraction(qx * ry - qy * rx, den)
        return 0 <= t <= 1 and 0 <= u <= 1
    if qx * ry - qy * rx != 0 or qx * sy - qy * sx != 0:
        return False                                # parallel, different lines (or points off)
    # all on one line (or points): compare the covered intervals along an axis that varies
    pts = [a, b, c, d]
    axis = 0 if len({p[0] for p in pts}) > 1 else 1
    lo1, hi1 = sorted((a[axis], b[axis]))
    lo2, hi2 = sorted((c[axis], d[axis]))
    return max(lo1, lo2) <= min(hi1, hi2)


def reference(stdin):
    v = [int(x) for x in stdin.split()]
    out = []
    for i in range(v[0]):
        w = v[1 + 8 * i: 9 + 8 * i]
        out.append("YES" if meet(w[0:2], w[2:4], w[4:6], w[6:8]) else "NO")
    return "".join(x + "\n" for x in out)


def worked_examples():
    yield ("4\n0 0 4 4 0 4 4 0\n0 0 2 2 3 3 5 5\n0 0 2 2 2 2 3 0\n0 0 4 0 1 1 3 2\n",
           "YES\nNO\nYES\nNO\n")
