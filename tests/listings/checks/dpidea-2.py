# Cheapest right/down path through a grid: the cost, then the path from the far corner back to (1,1).


def grid(rng, n, m, lo, hi):
    return f"{n} {m}\n" + "".join(" ".join(str(rng.randint(lo, hi)) for _ in range(m)) + "\n" for _ in range(n))


def cases(rng):
    yield "1 1\n5\n"
    yield "1 4\n1 2 3 4\n"
    yield "3 1\n-1\n-2\n-3\n"
    yield "2 2\n0 0\n0 0\n"  # every path is cheapest
    yield grid(rng, 1000, 5, 10**9, 10**9)  # the longest side, sums far beyond int
    yield grid(rng, 3, 1000, -(10**9), 10**9)
    for _ in range(40):
        yield grid(rng, rng.randint(1, 6), rng.randint(1, 6), rng.choice([0, -5]), rng.choice([3, 9]))


def check(stdin, stdout):
    nums = list(map(int, stdin.split()))
    n, m = nums[0], nums[1]
    a = [nums[2 + i * m : 2 + (i + 1) * m] for i in range(n)]
    best = [[0] * m for _ in range(n)]
    for i in range(n):
        for j in range(m):
            before = [best[x][y] for x, y in ((i - 1, j), (i, j - 1)) if x >= 0 and y >= 0]
            best[i][j] = a[i][j] + (min(before) if before else 0)
    lines = stdout.split("\n")
    assert int(lines[0]) == best[n - 1][m - 1], "not the cheapest cost"
    cells = [tuple(int(v) - 1 for v in c.strip("()").split(",")) for c in lines[1].split()]
    assert cells[0] == (n - 1, m - 1) and cells[-1] == (0, 0), "the path does not join the corners"
    for (i, j), (k, l) in zip(cells, cells[1:]):
        assert (k, l) in ((i - 1, j), (i, j - 1)), "a step that is not up or left"
    assert sum(a[i][j] for i, j in cells) == best[n - 1][m - 1], "the path costs more than printed"


def worked_examples():
    yield ("3 3\n1 3 1\n1 5 1\n4 2 1\n", "7\n(3,3) (2,3) (1,3) (1,2) (1,1)\n")
