# Number of primes up to n, for any int n. Sizes here stay within a build's time; the top of int
# (2 GB, about two and a half minutes under the sanitizers) is tested only when BOOK_LISTINGS_FULL=1
# is set, with a longer --timeout. The segmented sieve's check covers the arithmetic up there.
import os


def count_primes(n):
    if n < 2:
        return 0
    sieve = bytearray([1]) * (n + 1)
    sieve[0] = sieve[1] = 0
    for p in range(2, int(n**0.5) + 1):
        if sieve[p]:
            sieve[p * p :: p] = bytes(len(range(p * p, n + 1, p)))
    return sum(sieve)


def cases(rng):
    for n in (-2147483648, -1, 0, 1, 2, 3, 4, 25, 49):
        yield f"{n}\n"
    for _ in range(15):
        yield f"{rng.randint(0, 5000)}\n"
    if os.environ.get("BOOK_LISTINGS_FULL") == "1":
        yield "2147483647\n"


def reference(stdin):
    n = int(stdin)
    if n == 2147483647:
        return "105097565\n"
    return f"{count_primes(n)}\n"


def worked_examples():
    yield ("30\n", "10\n")
    yield ("100\n", "25\n")
    yield ("1000000\n", "78498\n")
    yield ("10000000\n", "664579\n")
