# Number of primes in [lo, hi] by a segmented sieve, up to the very top of int, where every
# "first multiple" and "j += p" would overflow an int.
INT_MAX = 2**31 - 1


def is_prime(x):
    if x < 2:
        return False
    d = 2
    while d * d <= x:
        if x % d == 0:
            return False
        d += 1
    return True


def count_in(lo, hi):
    # sieve the window by every d up to sqrt(hi): slow but plain
    flags = bytearray([1]) * (hi - lo + 1)
    d = 2
    while d * d <= hi:
        first = max(d * d, (lo + d - 1) // d * d)
        flags[first - lo :: d] = bytes(len(range(first, hi + 1, d)))
        d += 1
    for x in range(lo, min(hi, 1) + 1):  # 0 and 1 are not prime
        flags[x - lo] = 0
    return flags.count(1)


def cases(rng):
    yield "1 1\n"
    yield "1 2\n"
    yield f"{INT_MAX} {INT_MAX}\n"  # 2^31 - 1 is prime
    yield f"{INT_MAX - 1} {INT_MAX}\n"
    yield f"{INT_MAX - 300000} {INT_MAX}\n"
    yield "1 9999999\n"  # the widest window
    for _ in range(20):
        lo = rng.choice([rng.randint(1, 2000), rng.randint(INT_MAX - 5000, INT_MAX)])
        yield f"{lo} {min(INT_MAX, lo + rng.randint(0, 3000))}\n"


def reference(stdin):
    lo, hi = map(int, stdin.split())
    if hi - lo < 200:
        return f"{sum(is_prime(x) for x in range(lo, hi + 1))}\n"
    return f"{count_in(lo, hi)}\n"


def worked_examples():
    yield (f"{INT_MAX - 99} {INT_MAX}\n", "6\n")
    yield ("1 30\n", "10\n")
