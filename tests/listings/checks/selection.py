# Sorting an int array: edges (empty, one, duplicates, the int range, reversed), then random.
INT_MIN, INT_MAX = -2**31, 2**31 - 1


def arrays(rng, big):
    yield []
    yield [7]
    yield [3, 3, 3, 3]
    yield [INT_MAX, INT_MIN, 0, -1, INT_MAX, INT_MIN]
    yield list(range(big, 0, -1))
    yield [rng.choice((INT_MIN, INT_MAX)) for _ in range(big)]
    for _ in range(120):
        n = rng.randint(1, 40)
        span = rng.choice((2, 10, 1000, 2**31))
        yield [rng.randrange(-span, span) for _ in range(n)]


def cases(rng):
    for a in arrays(rng, 3000):
        yield f"{len(a)}\n" + " ".join(map(str, a)) + "\n"


def reference(stdin):
    t = list(map(int, stdin.split()))
    return " ".join(map(str, sorted(t[1:]))) + "\n"


def worked_examples():
    yield ("6\n5 2 4 6 1 3\n", "1 2 3 4 5 6\n")
    yield ("3\n3 1 2\n", "1 2 3\n")
