# 0-1 knapsack with huge weights: the best total value. The reference tries every subset when
# there are few items and runs the weight DP when the capacity is small.


def fmt(W, items):
    return f"{len(items)} {W}\n" + "".join(f"{w} {v}\n" for w, v in items)


def cases(rng):
    yield "0 5\n"
    yield fmt(0, [(1, 7), (2, 9)])
    yield fmt(10**18, [(10**9, 10**9)] * 40)                   # everything fits: 4 * 10^10
    yield fmt(10**9 - 1, [(10**9, 10**9), (1, 0), (10**9 - 1, 1)])
    yield fmt(5, [(2, 3), (2, 3), (3, 4), (3, 4)])             # equal ratios, duplicates
    for _ in range(100):
        n = rng.randint(1, 11)
        big = rng.random() < 0.5
        hi = 10**9 if big else 20
        items = [(rng.randint(1, hi), rng.randint(0, hi)) for _ in range(n)]
        W = rng.randint(0, sum(w for w, _ in items))
        yield fmt(W, items)
    for _ in range(3):
        items = [(rng.randint(1, 60), rng.randint(0, 10**9)) for _ in range(40)]
        yield fmt(rng.randint(100, 1000), items)


def reference(stdin):
    v = [int(x) for x in stdin.split()]
    n, W = v[0], v[1]
    items = list(zip(v[2::2], v[3::2]))
    if n <= 16:
        best = 0
        for mask in range(1 << n):
            ws = sum(items[i][0] for i in range(n) if mask >> i & 1)
            if ws <= W:
                best = max(best, sum(items[i][1] for i in range(n) if mask >> i & 1))
        return f"{best}\n"
    if W >= sum(w for w, _ in items):
        return f"{sum(val for _, val in items)}\n"
    dp = [0] * (W + 1)
    for w, val in items:
        for c in range(W, w - 1, -1):
            dp[c] = max(dp[c], dp[c - w] + val)
    return f"{dp[W]}\n"


def worked_examples():
    yield ("4 10\n5 10\n4 40\n6 30\n3 50\n", "90\n")
