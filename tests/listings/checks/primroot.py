def primes_below(n):
    return [p for p in range(2, n) if all(p % d for d in range(2, int(p ** 0.5) + 1))]


def cases(rng):
    small = primes_below(3000)
    rows = [2, 3, 5, 7, 409, 998244353, 1000000007, 2147483647, 2147483629] + rng.sample(small, 60)
    yield f"{len(rows)}\n" + "\n".join(map(str, rows)) + "\n"


def order(g, p):
    x, k = g % p, 1
    while x != 1:
        x = x * g % p
        k += 1
    return k


def prime_factors(n):
    out, d = [], 2
    while d * d <= n:
        if n % d == 0:
            out.append(d)
            while n % d == 0:
                n //= d
        d += 1
    return out + ([n] if n > 1 else [])


def smallest_root(p):
    if p == 2:
        return 1
    if p < 3000:  # walk the powers of every candidate
        return next(g for g in range(2, p) if order(g, p) == p - 1)
    qs = prime_factors(p - 1)
    return next(g for g in range(2, p) if all(pow(g, (p - 1) // q, p) != 1 for q in qs))


def reference(stdin):
    ps = [int(v) for v in stdin.split()[1:]]
    return "".join(f"{smallest_root(p)}\n" for p in ps)


def worked_examples():
    yield ("5\n7\n998244353\n1000000007\n2147483647\n409\n", "3\n3\n5\n7\n21\n")
