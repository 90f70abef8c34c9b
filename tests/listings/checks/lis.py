import bisect


def cases(rng):
    yield "0\n"
    yield "1\n-1000000000\n"
    yield "5\n7 7 7 7 7\n"
    yield "6\n6 5 4 3 2 1\n"
    yield "4\n-1000000000 0 999999999 1000000000\n"
    for _ in range(35):
        n = rng.randint(1, 25)
        hi = rng.choice([3, 10, 1000])
        yield f"{n}\n" + " ".join(str(rng.randint(-hi, hi)) for _ in range(n)) + "\n"
    n = 200000
    yield f"{n}\n" + " ".join(str(rng.randint(-10**9, 10**9)) for _ in range(n)) + "\n"


def best_length(a):
    if len(a) <= 2000:  # plain quadratic DP
        d = []
        for i, v in enumerate(a):
            d.append(1 + max([d[j] for j in range(i) if a[j] < v], default=0))
        return max(d, default=0)
    ends = []
    for v in a:
        k = bisect.bisect_left(ends, v)
        ends[k:k + 1] = [v]
    return len(ends)


def check(stdin, stdout):
    nums = stdin.split()
    n, a = int(nums[0]), [int(x) for x in nums[1:]]
    lines = stdout.split("\n")
    length = int(lines[0])
    idx = [int(x) for x in lines[1].split()] if len(lines) > 1 else []
    if length != best_length(a):
        raise AssertionError(f"length {length}, expected {best_length(a)}")
    if len(idx) != length:
        raise AssertionError("printed chain is not of the printed length")
    if any(not 1 <= i <= n for i in idx):
        raise AssertionError("index out of range")
    for p, q in zip(idx, idx[1:]):
        if not (p < q and a[p - 1] < a[q - 1]):
            raise AssertionError(f"not strictly increasing at {p} {q}")


def worked_examples():
    yield ("8\n3 1 4 1 5 9 2 6\n", "4\n2 3 5 8\n")
