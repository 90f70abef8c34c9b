# Case and bound of T(n) = a T(n/b) + n^d, against exact integer comparison.
import math


def cases(rng):
    # Boundaries of the second case, where a floating-point b^d would misjudge.
    edge = [(1, 2, 0), (2, 2, 1), (4, 2, 2), (1000, 10, 3), (999, 10, 3), (1000, 1000, 1),
            (1, 1000, 5), (1000, 2, 5), (32, 2, 5), (243, 3, 5), (9, 3, 2), (8, 2, 3)]
    yield "".join(f"{a} {b} {d}\n" for a, b, d in edge)
    yield ""
    for _ in range(60):
        k = rng.randint(1, 8)
        rows = []
        for _ in range(k):
            b = rng.randint(2, 12)
            d = rng.randint(0, 3)
            a = b ** d + rng.choice((-1, 0, 0, 1, 5)) if rng.random() < 0.6 else rng.randint(1, 1000)
            rows.append(f"{min(max(a, 1), 1000)} {b} {d}\n")
        yield "".join(rows)


def reference(stdin):
    out = []
    nums = list(map(int, stdin.split()))
    for i in range(0, len(nums) - 2, 3):
        a, b, d = nums[i:i + 3]
        if a < b ** d:
            out.append(f"1 n^{d}")
        elif a == b ** d:
            out.append("2 log n" if d == 0 else f"2 n^{d} log n")
        else:
            out.append(f"3 n^{math.log(a) / math.log(b):.3f}")
    return "".join(s + "\n" for s in out)


def worked_examples():
    yield ("1 2 0\n2 2 1\n3 2 1\n7 2 2\n", "2 log n\n2 n^1 log n\n3 n^1.585\n3 n^2.807\n")
