# 2-opt: any tour is right if it visits every point once, starts at point 1, has the printed
# length and no 2-opt move shortens it; it must also be no longer than the input order.
import math


def fmt(pts):
    return f"{len(pts)}\n" + "".join(f"{x} {y}\n" for x, y in pts)


def cases(rng):
    yield fmt([(5, 5)])
    yield fmt([(0, 0), (3, 4)])
    yield fmt([(1, 1)] * 5)                                  # all the same point
    yield fmt([(i, 0) for i in range(8)][::-1])              # on one line
    yield fmt([(-10**4, -10**4), (10**4, 10**4), (10**4, -10**4), (-10**4, 10**4)])
    yield fmt([(rng.randint(-10**4, 10**4), rng.randint(-10**4, 10**4)) for _ in range(200)])
    for _ in range(120):
        n = rng.randint(1, 12)
        lim = rng.choice([3, 100])
        yield fmt([(rng.randint(-lim, lim), rng.randint(-lim, lim)) for _ in range(n)])


def length(pts, t):
    return sum(math.dist(pts[t[i]], pts[t[(i + 1) % len(t)]]) for i in range(len(t)))


def check(stdin, stdout):
    v = [int(x) for x in stdin.split()]
    n = v[0]
    pts = list(zip(v[1::2], v[2::2]))
    lines = stdout.split("\n")
    t = [int(x) - 1 for x in lines[1].split()]
    if sorted(t) != list(range(n)) or t[0] != 0:
        raise AssertionError(f"not a tour from point 1: {lines[1]}")
    got = float(lines[0])
    if abs(got - length(pts, t)) > 0.006:
        raise AssertionError(f"printed length {got}, the tour is {length(pts, t):.4f}")
    if length(pts, t) > length(pts, list(range(n))) + 1e-6:
        raise AssertionError("longer than the tour in input order")
    d = lambda a, b: math.dist(pts[t[a % n]], pts[t[b % n]])
    for i in range(n):
        for j in range(i + 2, n):
            if i == 0 and j == n - 1:
                continue
            if d(i, j) + d(i + 1, j + 1) < d(i, i + 1) + d(j, j + 1) - 1e-6:
                raise AssertionError(f"the move on edges {i + 1} and {j + 1} shortens the tour")


def worked_examples():
    yield ("4\n0 0\n2 2\n2 0\n0 2\n", "8.00\n1 3 2 4\n")
    yield ("6\n0 0\n4 3\n4 0\n0 3\n2 4\n2 -1\n", "14.94\n1 4 5 2 3 6\n")
    yield ("3\n0 0\n3 0\n0 4\n", "12.00\n1 2 3\n")
