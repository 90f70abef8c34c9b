import functools


def cases(rng):
    yield "1\n-1000000000\n"
    yield "2\n5 5\n"
    yield "3\n1 5 2\n"
    for _ in range(35):
        n = rng.randint(1, 12)
        hi = rng.choice([1, 10, 10**9])
        yield f"{n}\n" + " ".join(str(rng.randint(-hi, hi)) for _ in range(n)) + "\n"
    yield "5000\n" + " ".join(["1000000000"] * 5000) + "\n"
    yield "5000\n" + " ".join(["-1000000000", "1000000000"] * 2500) + "\n"


def reference(stdin):
    nums = [int(v) for v in stdin.split()]
    n, a = nums[0], nums[1:]
    if n == 5000:  # the large rows have plain answers
        if len(set(a)) == 1:  # each player takes half the cards
            return f"0 {2500 * a[0]}\n"
        # -x, x, -x, x, ...: the first takes every x (the right end, then whatever is opened)
        x = a[1]
        return f"{5000 * x} {2500 * x}\n"

    @functools.lru_cache(maxsize=None)
    def play(i, j):  # best (own - other) by trying both ends at every turn
        if i > j:
            return 0
        return max(a[i] - play(i + 1, j), a[j] - play(i, j - 1))

    d = play(0, n - 1)
    return f"{d} {(sum(a) + d) // 2}\n"


def worked_examples():
    yield ("4\n3 9 1 2\n", "7 11\n")
