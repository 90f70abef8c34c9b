# Sentinel in the last cell: the array must come back as it was: empty array, the value first, last, absent, repeated.
def instances(rng, big):
    yield [], [5]
    yield [5], [5, 4]
    yield [2, 2, 2], [2, 3]
    yield [-2**31, 2**31 - 1], [2**31 - 1, -2**31, 0]
    yield list(range(big)), [big - 1, big, 0]
    for _ in range(120):
        n = rng.randint(0, 30)
        a = [rng.randint(-5, 5) for _ in range(n)]
        yield a, [rng.randint(-6, 6) for _ in range(5)]


def text(a, qs):
    return f"{len(a)}\n{' '.join(map(str, a))}\n{len(qs)}\n{' '.join(map(str, qs))}\n"


def cases(rng):
    for a, qs in instances(rng, 100000):
        yield text(a, qs)


def parse(stdin):
    t = list(map(int, stdin.split()))
    n = t[0]
    return t[1:1 + n], t[2 + n:]


def reference(stdin):
    a, qs = parse(stdin)
    found = "".join(f"{a.index(x) if x in a else -1}\n" for x in qs)
    return found + " ".join(map(str, a)) + "\n"


def worked_examples():
    yield (text([5, 5], [5]), "0\n5 5\n")
