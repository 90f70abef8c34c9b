def cases(rng):
    yield "1 1\n0\n"
    yield "1 1\n10000\n"
    yield "5 5\n1 2 3 4 5\n"
    yield "6 3\n0 0 0 0 0 0\n"
    for _ in range(35):
        n = rng.randint(1, 25)
        k = rng.randint(1, n)
        hi = rng.choice([0, 1, 3, 10000])
        yield f"{n} {k}\n" + " ".join(str(rng.randint(0, hi)) for _ in range(n)) + "\n"
    yield "10000 100\n" + " ".join(["10000"] * 10000) + "\n"
    yield "9999 100\n" + " ".join(["10000"] * 9999) + "\n"


def reference(stdin):
    nums = [int(v) for v in stdin.split()]
    n, k, a = nums[0], nums[1], nums[2:]
    if n > 1000 and len(set(a)) == 1:
        # equal elements: the lengths differ by at most one (convexity of the square)
        q, r = divmod(n, k)
        return f"{a[0] ** 2 * (r * (q + 1) ** 2 + (k - r) * q ** 2)}\n"
    S = [0]
    for v in a:
        S.append(S[-1] + v)
    inf = float("inf")
    dp = [0] + [inf] * n
    for _ in range(k):  # plain quadratic layer, every j tried
        dp = [inf] + [min(dp[j] + (S[i] - S[j]) ** 2 for j in range(i)) for i in range(1, n + 1)]
    return f"{dp[n]}\n"


def worked_examples():
    yield ("8 3\n3 1 4 1 5 9 2 6\n", "341\n")
    yield ("6 4\n1 1 1 1 1 1\n", "10\n")
