# Every segment must hold a printed point, and there must be as few points as possible:
# for small n every set of right ends is tried (some optimum uses only right ends).
import bisect
from itertools import combinations


def parse(stdin):
    nums = list(map(int, stdin.split()))
    return [(nums[i], nums[i + 1]) for i in range(1, len(nums), 2)]


def pierced(segs, points):
    return all(any(a <= p <= b for p in points) for a, b in segs)


def optimum(segs):
    if len(segs) > 10:  # pairwise disjoint segments each need a point: a lower bound
        best, end = 0, None
        for a, b in sorted(segs, key=lambda s: s[1]):
            if end is None or a > end:
                best, end = best + 1, b
        return best
    ends = sorted({b for _, b in segs})
    for k in range(len(ends) + 1):
        if any(pierced(segs, c) for c in combinations(ends, k)):
            return k


def cases(rng):
    yield "0\n"
    yield "1\n-1000000000 -1000000000\n"
    yield "2\n-1000000000 1000000000\n1000000000 1000000000\n"
    yield "3\n1 4\n4 6\n6 9\n"
    yield "4\n1 10\n2 3\n4 5\n6 7\n"
    n = 100000
    yield f"{n}\n" + "".join(f"{2 * i} {2 * i}\n" for i in range(n))
    yield f"{n}\n" + "".join(f"{a} {a + rng.randint(0, 10**4)}\n"
                             for a in (rng.randint(-10**9, 10**9 - 10**4) for _ in range(n)))
    for _ in range(150):
        n = rng.randint(1, 10)
        rows = []
        for _ in range(n):
            a = rng.randint(-5, 15)
            rows.append(f"{a} {a + rng.randint(0, 6)}\n")
        yield f"{n}\n" + "".join(rows)


def check(stdin, stdout):
    segs = parse(stdin)
    lines = stdout.split("\n")
    k = int(lines[0])
    points = list(map(int, lines[1].split())) if len(lines) > 1 else []
    if len(points) != k:
        raise AssertionError(f"{k} announced, {len(points)} listed")
    ps = sorted(points)
    for a, b in segs:
        j = bisect.bisect_left(ps, a)
        if j == len(ps) or ps[j] > b:
            raise AssertionError(f"[{a}, {b}] holds no point")
    if k != optimum(segs):
        raise AssertionError(f"{k} points, {optimum(segs)} enough")


def worked_examples():
    yield ("5\n1 3\n2 5\n4 6\n7 8\n6 9\n", "3\n3 6 8\n")
    yield ("4\n1 10\n2 3\n4 5\n6 7\n", "3\n3 5 7\n")
