import random


def trial(n):
    if n < 2:
        return False
    i = 2
    while i * i <= n:
        if n % i == 0:
            return False
        i += 1
    return True


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
    special = [1, 2, 3, 4, 7, 37, 41, 561, 1105, 1729, 2047, 3215031751, 3825123056546413051,
               999999999999999989, 2**61 - 1, 2**64 - 59, 2**64 - 1, 2**63, 4294967291 ** 2,
               1000000007 * 998244353]
    rows = special + [rng.randint(1, 3000) for _ in range(150)] + [rng.randint(1, 2**64 - 1) for _ in range(100)]
    # products of two primes near 2^32 are what weak tests miss
    p = [x for x in range(2**32 - 400, 2**32) if trial(x)]
    rows += [rng.choice(p) * rng.choice(p) for _ in range(20)]
    yield f"{len(rows)}\n" + "\n".join(map(str, rows)) + "\n"


def reference(stdin):
    rng = random.Random(7)
    ns = [int(x) for x in stdin.split()[1:]]
    return "".join(("prime" if probable(n, rng) else "composite") + "\n" for n in ns)


def worked_examples():
    yield ("3\n561\n3825123056546413051\n999999999999999989\n", "composite\ncomposite\nprime\n")
