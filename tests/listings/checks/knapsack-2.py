# 0-1 knapsack in one row, weights scanned downwards: the best value. Scanning upwards would take
# an item twice; the cases with room for two copies catch that.
from itertools import combinations


def items(rng, n, cap, wmax, cmax):
    return f"{n} {cap}\n" + "".join(f"{rng.randint(0, wmax)} {rng.randint(0, cmax)}\n" for _ in range(n))


def cases(rng):
    yield "0 0\n"
    yield "1 0\n0 7\n"
    yield "1 12\n6 30\n"  # room for two copies of one item
    yield "3 12\n6 30\n5 20\n5 20\n"
    yield "100 10000\n" + "100 10000000\n" * 100
    for _ in range(40):
        yield items(rng, rng.randint(1, 10), rng.randint(0, 20), rng.choice([5, 12]), rng.choice([3, 50]))


def reference(stdin):
    nums = list(map(int, stdin.split()))
    n, cap = nums[0], nums[1]
    goods = [(nums[2 + 2 * i], nums[3 + 2 * i]) for i in range(n)]
    if n > 12:  # the limits case: every item fits
        assert sum(w for w, _ in goods) <= cap
        return f"{sum(c for _, c in goods)}\n"
    best = max(
        sum(c for _, c in subset)
        for r in range(n + 1)
        for subset in combinations(goods, r)
        if sum(w for w, _ in subset) <= cap
    )
    return f"{best}\n"


def worked_examples():
    yield ("3 10\n6 30\n5 20\n5 20\n", "40\n")
