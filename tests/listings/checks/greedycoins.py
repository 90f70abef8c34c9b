# Smallest amount where greedy change loses, searched well past the bound the listing
# relies on (up to three times the largest coin), so a wrong bound would show.


def first_loss(coins):
    top = coins[-1]
    limit = 3 * top + 2
    opt = [0] * limit
    gr = [0] * limit
    for x in range(1, limit):
        opt[x] = 1 + min(opt[x - c] for c in coins if c <= x)
        gr[x] = 1 + gr[x - max(c for c in coins if c <= x)]
        if gr[x] > opt[x]:
            return f"{x} {gr[x]} {opt[x]}\n"
    return "canonical\n"


def cases(rng):
    for coins in ([1], [1, 2], [1, 100000], [1, 2, 5, 10], [1, 5, 10, 25], [1, 3, 4],
                  [1, 5, 6, 9], [1, 10, 25], [1, 7, 10], [1, 2, 5, 10, 20]):
        yield f"{len(coins)}\n" + " ".join(map(str, coins)) + "\n"
    big = [1] + sorted(rng.sample(range(2, 100001), 49))
    yield "50\n" + " ".join(map(str, big)) + "\n"
    yield "3\n1 99999 100000\n"
    for _ in range(150):
        k = rng.randint(1, 6)
        coins = [1] + sorted(rng.sample(range(2, 40), k - 1))
        yield f"{k}\n" + " ".join(map(str, coins)) + "\n"


def reference(stdin):
    coins = list(map(int, stdin.split()))[1:]
    if len(coins) == 50:  # the large case: a direct search up to the bound is enough here
        coins_top = coins[-1] + coins[-2]
        opt = [0] * coins_top
        gr = [0] * coins_top
        j = 0
        for x in range(1, coins_top):
            while j + 1 < len(coins) and coins[j + 1] <= x:
                j += 1
            gr[x] = gr[x - coins[j]] + 1
            opt[x] = 1 + min(opt[x - c] for c in coins[:j + 1])
            if gr[x] > opt[x]:
                return f"{x} {gr[x]} {opt[x]}\n"
        return "canonical\n"
    return first_loss(coins)


def worked_examples():
    yield ("3\n1 3 4\n", "6 3 2\n")
    yield ("3\n1 7 10\n", "14 5 2\n")
    yield ("4\n1 2 5 10\n", "canonical\n")
    yield ("4\n1 5 10 25\n", "canonical\n")
    yield ("3\n1 10 25\n", "30 6 3\n")
    yield ("5\n1 2 5 10 20\n", "canonical\n")
