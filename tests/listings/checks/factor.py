from math import gcd


def is_prime(n):
    if n < 2:
        return False
    for p in (2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37):
        if n % p == 0:
            return n == p
    d, s = n - 1, 0
    while d % 2 == 0:
        d, s = d // 2, s + 1
    for a in (2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37):
        x = pow(a, d, n)
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
    edge = [1, 2, 3, 4, 360, 10**12, 999999999989, 999983 * 999979, 2 * 499999999979,
            2**39, 3**25, 999983**2]
    rows = edge + [rng.randint(1, 5000) for _ in range(200)] + [rng.randint(1, 10**12) for _ in range(30)]
    yield f"{len(rows)}\n" + "\n".join(map(str, rows)) + "\n"
    yield "0\n"


def check(stdin, stdout):
    ns = [int(x) for x in stdin.split()[1:]]
    lines = stdout.split("\n")
    if len(lines) < 2 * len(ns):
        raise AssertionError("output too short")
    for k, n in enumerate(ns):
        text, counts = lines[2 * k], lines[2 * k + 1].split()
        primes = []
        if text != "1":
            for part in text.split(" * "):
                p, _, e = part.partition("^")
                if e == "1":
                    raise AssertionError(f"exponent 1 printed for {n}")
                primes.append((int(p), int(e or 1)))
        prod = 1
        for p, e in primes:
            prod *= p**e
        if prod != n or any(not is_prime(p) for p, _ in primes) or [p for p, _ in primes] != sorted({p for p, _ in primes}):
            raise AssertionError(f"{text!r} is not the factorisation of {n}")
        tau = phi = 1
        for p, e in primes:
            tau *= e + 1
            phi *= p**e - p**(e - 1)
        if n <= 5000:  # count directly
            tau = sum(1 for d in range(1, n + 1) if n % d == 0)
            phi = sum(1 for a in range(1, n + 1) if gcd(a, n) == 1)
        if counts != [str(tau), str(phi)]:
            raise AssertionError(f"for {n}: expected {tau} {phi}, got {counts}")


def worked_examples():
    yield ("2\n360\n999999999989\n", "2^3 * 3^2 * 5\n24 96\n999999999989\n2 999999999988\n")
