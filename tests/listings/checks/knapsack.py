# 0-1 knapsack, Pascal: the best value, then the numbers of the items taken (largest first).
from itertools import combinations


def items(rng, n, cap, wmax, cmax):
    return f"{n} {cap}\n" + "".join(f"{rng.randint(0, wmax)} {rng.randint(0, cmax)}\n" for _ in range(n))


def cases(rng):
    yield "0 0\n"
    yield "0 5\n"
    yield "1 0\n0 7\n"  # weightless item
    yield "1 3\n4 9\n"  # nothing fits
    yield "2 5\n5 10\n5 10\n"  # equal items: either one
    yield "100 10000\n" + "100 10000000\n" * 100  # the limits: the value is 10^9
    for _ in range(40):
        yield items(rng, rng.randint(1, 10), rng.randint(0, 20), rng.choice([5, 12]), rng.choice([3, 50]))


def best_value(cap, goods):
    # every subset while that is cheap; otherwise the set of reachable (weight, value) pairs
    if len(goods) <= 12:
        return max(
            sum(c for _, c in subset)
            for r in range(len(goods) + 1)
            for subset in combinations(goods, r)
            if sum(w for w, _ in subset) <= cap
        )
    reach = {0: 0}
    for w, c in goods:
        for have, value in list(reach.items()):
            if have + w <= cap and reach.get(have + w, -1) < value + c:
                reach[have + w] = value + c
    return max(reach.values())


def check(stdin, stdout):
    nums = list(map(int, stdin.split()))
    n, cap = nums[0], nums[1]
    goods = [(nums[2 + 2 * i], nums[3 + 2 * i]) for i in range(n)]
    lines = stdout.split("\n")
    value = int(lines[0])
    taken = list(map(int, lines[1].split())) if len(lines) > 1 else []
    assert value == best_value(cap, goods), "not the best value"
    assert taken == sorted(set(taken), reverse=True), "items not distinct or not from the last"
    assert all(1 <= i <= n for i in taken), "no such item"
    assert sum(goods[i - 1][0] for i in taken) <= cap, "the items taken do not fit"
    assert sum(goods[i - 1][1] for i in taken) == value, "the items taken are not worth the value"


def worked_examples():
    yield ("3 10\n6 30\n5 20\n5 20\n", "40\n3 2\n")
