# Euler path or cycle: any valid walk is right; NO is checked against degrees and connectivity.
from collections import Counter


def cases(rng):
    yield "1 0\n"
    yield "3 0\n"
    yield "1 2\n1 1\n1 1\n"                          # loops only
    yield "6 6\n1 2\n2 3\n3 1\n4 5\n5 6\n6 4\n"     # even degrees, two pieces
    yield "4 3\n1 2\n1 3\n1 4\n"                    # four odd vertices
    n = 100000
    yield f"{n} {n}\n" + "".join(f"{i} {i % n + 1}\n" for i in range(1, n + 1))
    yield f"2 200000\n" + "1 1\n" * 199999 + "1 2\n"
    for _ in range(120):
        n = rng.randint(1, 6)
        m = rng.randint(0, 10)
        yield f"{n} {m}\n" + "".join(f"{rng.randint(1, n)} {rng.randint(1, n)}\n" for _ in range(m))


def check(stdin, stdout):
    it = iter(stdin.split())
    n, m = int(next(it)), int(next(it))
    edges = [(int(next(it)), int(next(it))) for _ in range(m)]
    deg = Counter()
    par = list(range(n + 1))

    def find(x):
        while par[x] != x:
            par[x] = par[par[x]]
            x = par[x]
        return x

    for u, v in edges:
        deg[u] += 1
        deg[v] += 1
        par[find(u)] = find(v)
    odd = sum(1 for v in deg if deg[v] % 2)
    possible = odd <= 2 and len({find(u) for u, _ in edges}) <= 1
    out = stdout.split()
    if out == ["NO"]:
        if possible:
            raise AssertionError("said NO, but an Euler path exists")
        return
    if not possible:
        raise AssertionError("printed a walk where none exists")
    walk = [int(x) for x in out]
    if len(walk) != m + 1:
        raise AssertionError("the walk must have m + 1 vertices")
    if m == 0:
        return
    left = Counter((min(u, v), max(u, v)) for u, v in edges)
    for a, b in zip(walk, walk[1:]):
        key = (min(a, b), max(a, b))
        if left[key] == 0:
            raise AssertionError(f"edge {a}-{b} is not there or used twice")
        left[key] -= 1
    if odd == 0 and walk[0] != walk[-1]:
        raise AssertionError("all degrees are even, so the walk must be a cycle")


def worked_examples():
    yield ("5 6\n1 2\n2 3\n3 1\n3 4\n4 5\n5 3\n", "1 3 5 4 3 2 1\n")
