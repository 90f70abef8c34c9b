# Total bit changes of n increments: 2n minus the ones in n.


def cases(rng):
    for n in (0, 1, 2, 3, 7, 8, 1000, 1023, 1024, 5000000):
        yield f"{n}\n"
    for _ in range(40):
        yield f"{rng.randint(0, 100000)}\n"


def reference(stdin):
    n = int(stdin)
    ones = bin(n).count("1")
    return f"{2 * n - ones} {ones}\n"


def worked_examples():
    yield ("8\n", "15 1\n")
    yield ("1000\n", "1994 6\n")
