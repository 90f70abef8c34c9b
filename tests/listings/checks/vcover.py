# A vertex cover within twice the smallest: the output must cover every edge, be sorted and
# unique, and be at most twice the optimum, which the check finds by trying every set on small
# graphs. On large graphs the size must still be twice some matching, so at least it is even.
import itertools


def fmt(n, edges):
    return f"{n} {len(edges)}\n" + "".join(f"{u} {v}\n" for u, v in edges)


def cases(rng):
    yield fmt(1, [])
    yield fmt(1, [(1, 1)])
    yield fmt(2, [(1, 2), (2, 1), (1, 2)])
    yield fmt(3, [(2, 2), (1, 2), (2, 3)])
    yield fmt(7, [(c, leaf) for c, leaf in [(1, i) for i in range(2, 8)]])
    yield fmt(8, [(i, j) for i in range(1, 5) for j in range(5, 9)])   # K4,4: 8 against 4
    n = 10**5
    yield fmt(n, [(rng.randint(1, n), rng.randint(1, n)) for _ in range(2 * 10**5)])
    for _ in range(100):
        n = rng.randint(1, 10)
        m = rng.randint(0, 15)
        yield fmt(n, [(rng.randint(1, n), rng.randint(1, n)) for _ in range(m)])


def smallest_cover(n, edges):
    for k in range(n + 1):
        for s in itertools.combinations(range(1, n + 1), k):
            s = set(s)
            if all(u in s or v in s for u, v in edges):
                return k
    raise AssertionError("unreachable")


def check(stdin, stdout):
    v = [int(x) for x in stdin.split()]
    n, m = v[0], v[1]
    edges = list(zip(v[2::2], v[3::2]))
    lines = stdout.split("\n")
    k = int(lines[0])
    cover = [int(x) for x in lines[1].split()] if len(lines) > 1 else []
    if len(cover) != k:
        raise AssertionError(f"size {k} but {len(cover)} vertices listed")
    if cover != sorted(set(cover)) or any(not 1 <= x <= n for x in cover):
        raise AssertionError("vertices are not distinct, sorted and in range")
    s = set(cover)
    for u, w in edges:
        if u not in s and w not in s:
            raise AssertionError(f"edge {u}-{w} is not covered")
    if not any(u == w for u, w in edges) and k % 2:
        raise AssertionError("without loops the cover is the ends of a matching: even size")
    if n <= 10:
        opt = smallest_cover(n, edges)
        if k > 2 * opt:
            raise AssertionError(f"{k} vertices, more than twice the optimum {opt}")


def worked_examples():
    yield ("6 6\n1 2\n2 3\n3 4\n4 5\n5 6\n2 5\n", "6\n1 2 3 4 5 6\n")
    yield ("6 6\n2 5\n1 2\n2 3\n3 4\n4 5\n5 6\n", "4\n2 3 4 5\n")
