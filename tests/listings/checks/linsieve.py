from math import gcd

# For N = 10^7: pi(10^7) = 664579 and M(10^7) = 1037 are tabulated values; the sum of phi was
# computed once by an Eratosthenes-style sieve (phi[j] -= phi[j] // p over the multiples of p).
LARGE = {10**7: "664579 30396356427242 1037"}


def cases(rng):
    yield "1\n1\n1\n"
    yield "2\n2\n1 2\n"
    for _ in range(12):
        n = rng.randint(1, 400)
        qs = [rng.randint(1, n) for _ in range(rng.randint(0, 30))]
        yield f"{n}\n{len(qs)}\n" + " ".join(map(str, qs)) + "\n"
    n = 10**7
    qs = [1, 2, n, n - 1, 9999991, 9699690, 2**23, 3**14] + [rng.randint(1, n) for _ in range(20)]
    yield f"{n}\n{len(qs)}\n" + " ".join(map(str, qs)) + "\n"


def facts(x):
    """lp, phi and mu of x by trial division."""
    if x == 1:
        return 1, 1, 1
    lp, phi, mu, m, d = None, x, 1, x, 2
    while d * d <= m:
        if m % d == 0:
            lp = lp or d
            e = 0
            while m % d == 0:
                m //= d
                e += 1
            phi -= phi // d
            mu = 0 if e > 1 else -mu
        d += 1
    if m > 1:
        lp = lp or m
        phi -= phi // m
        mu = -mu
    return lp, phi, mu


def reference(stdin):
    nums = [int(v) for v in stdin.split()]
    n, q, qs = nums[0], nums[1], nums[2:]
    if n in LARGE:
        head = LARGE[n]
    else:
        primes = sum(1 for x in range(2, n + 1) if facts(x)[0] == x)
        phis = sum(1 for b in range(1, n + 1) for a in range(1, b + 1) if gcd(a, b) == 1)
        head = f"{primes} {phis} {sum(facts(x)[2] for x in range(1, n + 1))}"
    return head + "\n" + "".join("%d %d %d\n" % facts(x) for x in qs[:q])


def worked_examples():
    yield ("30\n3\n12 30 29\n", "10 278 -3\n2 4 0\n2 8 -1\n29 28 -1\n")
