# a^n mod m for 64-bit a and n and 1 <= m <= 2^32.


def cases(rng):
    yield "0 0 1\n"  # any power mod 1 is 0, 0^0 included
    yield "0 0 7\n"  # 0^0 = 1
    yield "5 0 4294967296\n"
    yield "18446744073709551615 18446744073709551615 4294967296\n"  # the largest of everything
    yield "4294967295 18446744073709551615 4294967296\n"  # the largest remainders: products near 2^64
    yield "4294967294 3 4294967295\n"
    for _ in range(40):
        m = rng.choice([rng.randint(1, 100), rng.randint(1, 2**32), 2**32, 1000000007])
        yield f"{rng.randint(0, 2**64 - 1)} {rng.randint(0, rng.choice([20, 2**64 - 1]))} {m}\n"


def reference(stdin):
    a, n, m = map(int, stdin.split())
    return f"{pow(a, n, m)}\n"


def worked_examples():
    yield ("3 13 1000000007\n", "1594323\n")
    yield ("2 10 1000\n", "24\n")
