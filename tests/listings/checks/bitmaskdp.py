import itertools


def matrix_input(d):
    return f"{len(d)}\n" + "".join(" ".join(map(str, row)) + "\n" for row in d)


def cases(rng):
    yield "1\n0\n"
    yield matrix_input([[0, 1000000], [1000000, 0]])
    yield matrix_input([[0] * 4 for _ in range(4)])
    for _ in range(40):
        n = rng.randint(2, 7)
        hi = rng.choice([3, 100, 10**6])
        yield matrix_input([[0 if i == j else rng.randint(0, hi) for j in range(n)] for i in range(n)])
    # the largest n: a hidden cycle of cost-1 edges, every other edge dearer
    for hi in (2, 10**6):
        n = 16
        perm = list(range(n))
        rng.shuffle(perm)
        d = [[0 if i == j else rng.randint(2, hi) for j in range(n)] for i in range(n)]
        for i in range(n):
            d[perm[i]][perm[(i + 1) % n]] = 1
        yield matrix_input(d)


def best_tour(d):
    n = len(d)
    if n == 16:  # the hidden cycle
        return n
    return min(sum(d[a][b] for a, b in zip((0,) + p, p + (0,)))
               for p in itertools.permutations(range(1, n)))


def check(stdin, stdout):
    nums = [int(x) for x in stdin.split()]
    n = nums[0]
    d = [nums[1 + i * n:1 + (i + 1) * n] for i in range(n)]
    lines = stdout.split("\n")
    cost = int(lines[0])
    route = [int(x) - 1 for x in lines[1].split()]
    if cost != best_tour(d):
        raise AssertionError(f"cost {cost}, expected {best_tour(d)}")
    if len(route) != n + 1 or route[0] != 0 or route[-1] != 0 or sorted(route[:-1]) != list(range(n)):
        raise AssertionError(f"not a round trip through every city: {lines[1]!r}")
    if sum(d[a][b] for a, b in zip(route, route[1:])) != cost:
        raise AssertionError("the printed route does not cost the printed amount")


def worked_examples():
    yield ("5\n0 8 5 9 9\n9 0 6 2 6\n1 5 0 6 9\n5 8 5 0 5\n6 3 1 8 0\n", "17\n1 2 4 5 3 1\n")
