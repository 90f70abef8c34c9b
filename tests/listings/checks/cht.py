def stops(rng, n, hi):
    return sorted(rng.sample(range(hi + 1), n))


def cases(rng):
    yield "1 5\n7\n"
    yield "2 0\n0 1000000\n"
    yield "2 1000000000000\n0 1000000\n"
    for _ in range(30):
        n = rng.randint(1, 40)
        hi = rng.choice([n + 5, 100, 10**6])
        c = rng.choice([0, rng.randint(0, 50), rng.randint(0, 10**12)])
        yield f"{n} {c}\n" + " ".join(map(str, stops(rng, n, hi))) + "\n"
    n = 200000
    for c in (0, 10**12):
        x = [5 * i + rng.randrange(5) for i in range(n)]  # strictly increasing, below 10^6
        x[0], x[-1] = 0, 10**6
        yield f"{n} {c}\n" + " ".join(map(str, x)) + "\n"


def check(stdin, stdout):
    nums = [int(v) for v in stdin.split()]
    n, c, x = nums[0], nums[1], nums[2:]
    if n > 1000:
        if c == 0:  # never worse to stop everywhere
            want = sum((b - a) ** 2 for a, b in zip(x, x[1:]))
        else:  # the jump is cheaper than any second stop
            want = (x[-1] - x[0]) ** 2 + c
    else:
        dp = [0] * n
        for i in range(1, n):
            dp[i] = min(dp[j] + (x[i] - x[j]) ** 2 for j in range(i)) + c
        want = dp[-1]
    if stdout.split() != [str(want)]:
        raise AssertionError(f"expected {want}, got {stdout!r}")


def worked_examples():
    yield ("6 10\n0 2 3 7 10 12\n", "78\n")
