def order(a, p):
    """Multiplicative order of a modulo the prime p, from the factors of p - 1."""
    n = p - 1
    primes, m, d = [], n, 2
    while d * d <= m:
        if m % d == 0:
            primes.append(d)
            while m % d == 0:
                m //= d
        d += 1
    if m > 1:
        primes.append(m)
    r = n
    for q in primes:
        while r % q == 0 and pow(a, r // q, p) == 1:
            r //= q
    return r


def cases(rng):
    for row in ["0 0 2", "1 1 2", "0 1 2", "1 0 2", "0 0 5", "0 1 5", "0 3 5", "4 1 5", "4 4 5",
                "1 3 7", "2 3 7", "6 1 7", "2147483646 1 2147483647", "2147483646 2147483646 2147483647"]:
        yield row + "\n"
    small = [p for p in range(2, 200) if all(p % d for d in range(2, p))]
    for _ in range(30):
        p = rng.choice(small)
        yield f"{rng.randrange(p)} {rng.randrange(p)} {p}\n"
    for p in (2147483647, 1000000007, 998244353):
        a = rng.randrange(1, p)
        x = rng.randrange(p - 1)
        yield f"{a} {pow(a, x, p)} {p}\n"
        yield f"{a} {rng.randrange(p)} {p}\n"
    yield f"{pow(7, (2147483646 // 2), 2147483647)} 1 2147483647\n"  # a = -1: order 2


def check(stdin, stdout):
    a, b, p = map(int, stdin.split())
    got = int(stdout.split()[0])
    if a % p == 0:
        want = 0 if b == 1 % p else (1 if b == 0 else -1)
        if got != want:
            raise AssertionError(f"expected {want}")
        return
    ordr = order(a, p)
    if p < 200:  # try every exponent
        want = next((x for x in range(p) if pow(a, x, p) == b), -1)
        if got != want:
            raise AssertionError(f"expected {want}")
        return
    if got == -1:
        if b != 0 and pow(b, ordr, p) == 1:  # b lies in the subgroup of a, so it has a logarithm
            raise AssertionError("a logarithm exists")
        return
    if not 0 <= got < ordr or pow(a, got, p) != b:
        raise AssertionError(f"{got} is not the smallest logarithm (order of a is {ordr})")


def worked_examples():
    yield ("3 13 17\n", "4\n")
    yield ("2 3 7\n", "-1\n")
