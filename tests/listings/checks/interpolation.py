# Any occurrence is a right answer among equal values; -1 only when the value is absent.
def instances(rng):
    yield [], [0]
    yield [4], [4, 3, 5]
    yield [7, 7, 7, 7], [7, 6, 8]
    yield [-2**31, 0, 2**31 - 1], [-2**31, 2**31 - 1, 1, -1]
    yield list(range(1, 1000)) + [10**9], [999, 500, 10**9, 1000]
    for _ in range(120):
        a = sorted(rng.randint(-2**31, 2**31 - 1) if rng.random() < 0.3 else rng.randint(-9, 9)
                   for _ in range(rng.randint(0, 30)))
        yield a, [rng.choice(a) if a and rng.random() < 0.6 else rng.randint(-10, 10)
                  for _ in range(6)]


def text(a, qs):
    return f"{len(a)}\n{' '.join(map(str, a))}\n{len(qs)}\n{' '.join(map(str, qs))}\n"


def cases(rng):
    for a, qs in instances(rng):
        yield text(a, qs)


def check(stdin, stdout):
    t = list(map(int, stdin.split()))
    a, qs = t[1:1 + t[0]], t[2 + t[0]:]
    got = stdout.split()
    assert len(got) == len(qs), f"{len(got)} answers to {len(qs)} queries"
    for x, g in zip(qs, map(int, got)):
        if x in a:
            assert 0 <= g < len(a) and a[g] == x, f"{x}: index {g} does not hold it"
        else:
            assert g == -1, f"{x} is absent, got {g}"


def worked_examples():
    yield (text(list(range(10, 101, 10)), [70]), "6\n")
