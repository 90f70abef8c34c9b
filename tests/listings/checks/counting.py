# Keys in 0..k-1: empty input, k = 1, every key equal, keys at both ends of the range.
def cases(rng):
    yield "0 1\n\n"
    yield "1 1\n0\n"
    yield "5 1000000\n999999 0 999999 0 5\n"
    yield "100000 3\n" + " ".join(str(rng.randrange(3)) for _ in range(100000)) + "\n"
    for _ in range(120):
        n, k = rng.randint(0, 40), rng.randint(1, 50)
        yield f"{n} {k}\n" + " ".join(str(rng.randrange(k)) for _ in range(n)) + "\n"


def reference(stdin):
    t = list(map(int, stdin.split()))
    return " ".join(map(str, sorted(t[2:]))) + "\n"


def worked_examples():
    yield ("5 3\n2 0 2 1 0\n", "0 0 1 2 2\n")
