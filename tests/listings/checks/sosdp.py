def query_input(n, a, qs):
    return f"{n} {len(a)}\n" + " ".join(map(str, a)) + f"\n{len(qs)}\n" + " ".join(map(str, qs)) + "\n"


def cases(rng):
    yield query_input(0, [], [0])
    yield query_input(0, [0, 0, 0], [0])
    yield query_input(1, [1, 1, 0], [0, 1])
    yield query_input(3, [], [])
    for _ in range(30):
        n = rng.randint(1, 8)
        a = [rng.randrange(1 << n) for _ in range(rng.randint(0, 30))]
        yield query_input(n, a, [rng.randrange(1 << n) for _ in range(rng.randint(1, 20))])
    n = 20
    a = [rng.randrange(1 << n) for _ in range(200000)]
    qs = [(1 << n) - 1, 0] + [rng.randrange(1 << n) for _ in range(15)]
    yield query_input(n, a, qs)


def reference(stdin):
    nums = [int(v) for v in stdin.split()]
    n, cnt = nums[0], nums[1]
    a = nums[2:2 + cnt]
    qs = nums[3 + cnt:]
    return " ".join(str(sum(1 for v in a if v & x == v)) for x in qs) + "\n"


def worked_examples():
    yield (query_input(3, [1, 2, 3, 4, 6], [6, 7, 1, 5, 0]), "3 5 1 2 0\n")
