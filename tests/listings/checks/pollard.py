import random


def trial(n):
    i = 2
    while i * i <= n:
        if n % i == 0:
            return False
        i += 1
    return n >= 2


def probable(n, rng):
    """Strong test with 40 random bases: a composite slips through with chance below 4^-40."""
    if n < 10**6:
        return trial(n)
    if n % 2 == 0:
        return False
    d, s = n - 1, 0
    while d % 2 == 0:
        d, s = d // 2, s + 1
    for _ in range(40):
        x = pow(rng.randrange(2, n - 1), d, n)
        if x in (1, n - 1):
            continue
        for _ in range(s - 1):
            x = x * x % n
            if x == n - 1:
                break
        else:
            return False
    return True


def cases(rng):
    big_primes = [1000000007, 1000000009, 2147483647, 998244353, 999999937]
    rows = [1, 2, 3, 4, 8, 9, 25, 49, 121, 1219, 2**61, 2**62 - 1, 3**39, 2147483647 ** 2,
            1000000007 * 1000000009, 999999937 * 998244353, 2 * 3 * 5 * 7 * 11 * 13 * 17 * 19 * 23 * 29 * 31 * 37 * 41 * 43,
            2**61 - 1, 4611686018427387847]
    rows += [rng.randint(1, 10**4) for _ in range(60)]
    rows += [rng.randint(1, 2**62 - 1) for _ in range(30)]
    rows += [rng.choice(big_primes) * rng.randint(1, 2**31) for _ in range(15)]
    yield f"{len(rows)}\n" + "\n".join(map(str, rows)) + "\n"


def check(stdin, stdout):
    rng = random.Random(3)
    ns = [int(x) for x in stdin.split()[1:]]
    lines = stdout.split("\n")
    for k, n in enumerate(ns):
        ps = [int(x) for x in lines[k].split()]
        if n == 1:
            if ps != [1]:
                raise AssertionError("1 must print 1")
            continue
        prod = 1
        for p in ps:
            prod *= p
        if prod != n or ps != sorted(ps) or not all(probable(p, rng) for p in ps):
            raise AssertionError(f"{lines[k]!r} is not the factorisation of {n}")


def worked_examples():
    yield ("2\n1219\n1000000016000000063\n", "23 53\n1000000007 1000000009\n")
