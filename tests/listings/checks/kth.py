# The answer, and the array left partitioned around it: a permutation of the input with
# nothing larger before position k and nothing smaller after it.
def instances(rng):
    yield [42], 0
    yield [5] * 1000, 500
    yield list(range(100000, 0, -1)), 50000
    yield [-2**31, 2**31 - 1, 0], 2
    for _ in range(120):
        n = rng.randint(1, 30)
        yield [rng.randint(-5, 5) for _ in range(n)], rng.randrange(n)


def cases(rng):
    for a, k in instances(rng):
        yield f"{len(a)} {k}\n" + " ".join(map(str, a)) + "\n"


def check(stdin, stdout):
    t = list(map(int, stdin.split()))
    n, k, a = t[0], t[1], t[2:]
    lines = stdout.split("\n")
    value = int(lines[0])
    b = list(map(int, lines[1].split()))
    assert value == sorted(a)[k], f"answer {value}, the {k}-th is {sorted(a)[k]}"
    assert sorted(b) == sorted(a), "the array is not a permutation of the input"
    assert b[k] == value, "a[k] is not the answer"
    assert max(b[:k], default=value) <= value <= min(b[k + 1:], default=value), \
        "the array is not partitioned around a[k]"


def worked_examples():
    yield ("5 2\n7 1 5 3 9\n", None)
