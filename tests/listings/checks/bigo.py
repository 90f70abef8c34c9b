# Counts of three loop shapes, against the closed forms.


def cases(rng):
    for n in (0, 1, 2, 3, 4, 5, 8, 9, 1000, 4096, 4097):
        yield f"{n}\n"
    for _ in range(40):
        yield f"{rng.randint(0, 2000)}\n"


def reference(stdin):
    n = int(stdin)
    halving = (n - 1).bit_length() if n > 1 else 0
    harmonic = sum(n // i for i in range(1, n + 1))
    return f"{n * (n - 1) // 2} {halving} {harmonic}\n"


def worked_examples():
    yield ("1000\n", "499500 10 7069\n")
