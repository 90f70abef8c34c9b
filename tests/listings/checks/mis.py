# Largest independent set: the output must be independent, sorted, of the printed size, and as
# large as possible. Small graphs are solved here by plain branching on the lowest vertex;
# large ones are families whose answer is known.
from functools import lru_cache


def fmt(n, edges):
    return f"{n} {len(edges)}\n" + "".join(f"{u} {v}\n" for u, v in edges)


def grid(r, c):
    at = lambda i, j: i * c + j + 1
    return [(at(i, j), at(i, j + 1)) for i in range(r) for j in range(c - 1)] + \
           [(at(i, j), at(i + 1, j)) for i in range(r - 1) for j in range(c)]


KNOWN = {
    "cycle": (fmt(60, [(i, i % 60 + 1) for i in range(1, 61)]), 30),
    "complete": (fmt(60, [(i, j) for i in range(1, 61) for j in range(i + 1, 61)]), 1),
    "empty": (fmt(60, []), 60),
    "grid": (fmt(60, grid(6, 10)), 30),
    "bipartite": (fmt(60, [(i, j) for i in range(1, 31) for j in range(31, 61)]), 30),
    "cliques": (fmt(60, [(4 * k + a, 4 * k + b) for k in range(15)
                         for a in range(1, 5) for b in range(a + 1, 5)]), 15),
}


def cases(rng):
    yield "0 0\n"
    yield "1 0\n"
    yield fmt(3, [(1, 2), (2, 1), (2, 3)])                   # a repeated edge
    for text, _ in KNOWN.values():
        yield text
    for _ in range(150):
        n = rng.randint(1, 18)
        m = rng.randint(0, n * (n - 1) // 2 if n < 8 else 3 * n)
        yield fmt(n, [tuple(rng.sample(range(1, n + 1), 2)) for _ in range(m)] if n > 1 else [])


def largest(n, edges):
    adj = [0] * n
    for u, v in edges:
        adj[u - 1] |= 1 << (v - 1)
        adj[v - 1] |= 1 << (u - 1)

    @lru_cache(maxsize=None)
    def best(p):
        if p == 0:
            return 0
        v = (p & -p).bit_length() - 1
        return max(best(p & ~(1 << v)), 1 + best(p & ~(1 << v) & ~adj[v]))

    return best((1 << n) - 1)


def check(stdin, stdout):
    v = [int(x) for x in stdin.split()]
    n = v[0]
    edges = list(zip(v[2::2], v[3::2]))
    lines = stdout.split("\n")
    k = int(lines[0])
    s = [int(x) for x in lines[1].split()] if len(lines) > 1 else []
    if len(s) != k or s != sorted(set(s)) or any(not 1 <= x <= n for x in s):
        raise AssertionError(f"size {k}, vertices {s}: not {k} distinct sorted vertices")
    chosen = set(s)
    for a, b in edges:
        if a in chosen and b in chosen:
            raise AssertionError(f"edge {a}-{b} has both ends in the set")
    known = [ans for text, ans in KNOWN.values() if text == stdin]
    want = known[0] if known else largest(n, edges)
    if k != want:
        raise AssertionError(f"size {k}, the largest is {want}")


def worked_examples():
    yield ("6 7\n1 2\n1 3\n1 4\n2 3\n3 4\n4 5\n5 6\n", "3\n2 4 6\n")
    yield ("5 5\n1 2\n2 3\n3 4\n4 5\n5 1\n", "2\n2 4\n")
