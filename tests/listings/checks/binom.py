import math


def queries(p, rows):
    return f"{p} {len(rows)}\n" + "".join(f"{n} {k}\n" for n, k in rows)


def cases(rng):
    yield queries(2, [])
    yield queries(2, [(0, 0), (1, 0), (1, 1), (1, 2), (0, 1), (10**18, 0), (10**18, 10**18),
                      (10**18 - 1, 12345)])
    yield queries(1000000007, [(0, 0), (1000000, 0), (1000000, 1000000), (1000000, 500000), (999999, 3)])
    yield queries(2147483647, [(1000000, 123456), (5, 7)])
    yield queries(999983, [(10**18, rng.randrange(10**18)) for _ in range(5)] + [(999983, 1), (999982, 1)])
    yield queries(3, [(n, k) for n in range(12) for k in range(14)])
    for _ in range(20):
        p = rng.choice([2, 3, 5, 7, 13, 101, 1009, 65537])
        rows = []
        for _ in range(20):
            n = rng.choice([rng.randint(0, 300), rng.randint(0, 10**18)])
            k = rng.choice([rng.randint(0, n + 5), rng.randint(0, 10**18)])
            rows.append((n, k))
        yield queries(p, rows)


def exact_mod(n, k, p):
    """C(n, k) mod p for n < p: the product n(n-1)...(n-k+1) / k!, one inverse at the end."""
    k = min(k, n - k)
    num = den = 1
    for i in range(k):
        num = num * (n - i) % p
        den = den * (i + 1) % p
    return num * pow(den, p - 2, p) % p


def binom_mod(n, k, p):
    if k > n:
        return 0
    if n <= 3000:
        return math.comb(n, k) % p
    r = 1
    while n or k:  # digit by digit in base p
        nd, kd = n % p, k % p
        r = r * (exact_mod(nd, kd, p) if kd <= nd else 0) % p
        n //= p
        k //= p
    return r


def reference(stdin):
    nums = [int(v) for v in stdin.split()]
    p, q = nums[0], nums[1]
    return "".join(f"{binom_mod(nums[2 + 2 * i], nums[3 + 2 * i], p)}\n" for i in range(q))


def worked_examples():
    yield (queries(7, [(10, 3), (10, 4)]), "1\n0\n")
    yield (queries(999983, [(10**18, 24999583002320)]), "721234\n")
    yield (queries(1000000007, [(10**6, 5 * 10**5)]), "996692777\n")
