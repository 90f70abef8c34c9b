import functools


def cases(rng):
    yield "0 0 0\n"
    yield "0 0 1\n"
    yield "0 1000000000000000000 0\n"
    yield "1000000000000000000 1000000000000000000 1\n"
    yield "0 1000000000000000000 162\n"
    yield "0 1000000000000000000 81\n"
    yield "999999999999999999 1000000000000000000 162\n"
    yield "0 1000000000000000000 200\n"
    for _ in range(30):
        l = rng.randint(0, 3000)
        r = rng.randint(l, 3000)
        yield f"{l} {r} {rng.randint(0, 30)}\n"
    for _ in range(15):
        l = rng.randint(0, 10**18)
        r = rng.randint(l, 10**18)
        yield f"{l} {r} {rng.randint(0, 170)}\n"


def upto(n, s):
    """x in [0, n] with digit sum s, by a memoised walk over the digits of n."""
    if n < 0:
        return 0
    digits = str(n)

    @functools.lru_cache(maxsize=None)
    def go(pos, need, tight):
        if need < 0:
            return 0
        if pos == len(digits):
            return 1 if need == 0 else 0
        top = int(digits[pos]) if tight else 9
        return sum(go(pos + 1, need - d, tight and d == top) for d in range(top + 1))

    return go(0, s, True)


def reference(stdin):
    l, r, s = map(int, stdin.split())
    if r <= 3000:
        return f"{sum(1 for x in range(l, r + 1) if sum(map(int, str(x))) == s)}\n"
    return f"{upto(r, s) - upto(l - 1, s)}\n"


def worked_examples():
    yield ("10 345 7\n", "25\n")
    yield ("0 1000000000000000000 1\n", "19\n")
