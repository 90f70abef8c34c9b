# Shortest paths from s with negative edges; "-INF" where a negative cycle lies on the way.
from collections import deque


def cases(rng):
    yield "1 0 1\n"
    yield "1 1 1\n1 1 -1\n"                       # negative loop at the source
    yield "2 1 2\n1 2 5\n"                        # source cannot reach the rest
    yield "3 3 1\n2 3 -1\n3 2 -1\n1 3 1000000000\n"
    # a long path of the largest weights: needs 64-bit sums
    n = 2500
    yield f"{n} {n - 1} 1\n" + "".join(f"{i} {i + 1} -1000000000\n" for i in range(1, n))
    for _ in range(120):
        n = rng.randint(1, 7)
        m = rng.randint(0, 10)
        s = rng.randint(1, n)
        lo = rng.choice([-3, 0, -10])
        edges = [(rng.randint(1, n), rng.randint(1, n), rng.randint(lo, 9)) for _ in range(m)]
        yield f"{n} {m} {s}\n" + "".join(f"{u} {v} {w}\n" for u, v, w in edges)


def reference(stdin):
    it = iter(stdin.split())
    n, m, s = int(next(it)), int(next(it)), int(next(it))
    edges = [(int(next(it)), int(next(it)), int(next(it))) for _ in range(m)]
    adj = {u: [] for u in range(1, n + 1)}
    for u, v, w in edges:
        adj[u].append((v, w))

    def reach(src):
        seen = {src}
        q = deque([src])
        while q:
            u = q.popleft()
            for v, _ in adj[u]:
                if v not in seen:
                    seen.add(v)
                    q.append(v)
        return seen

    from_s = reach(s)
    if n > 8:  # only the long chain is large: no cycles, one path
        best = {s: 0}
        for u, v, w in edges:
            best[v] = best[u] + w
        return "".join(f"{best[v]}\n" for v in range(1, n + 1))
    # c lies on a negative closed walk: minimum closed walk through c is negative
    INF = float("inf")
    d = [[INF] * (n + 1) for _ in range(n + 1)]
    for u, v, w in edges:
        d[u][v] = min(d[u][v], w)
    for k in range(1, n + 1):
        for i in range(1, n + 1):
            for j in range(1, n + 1):
                if d[i][k] + d[k][j] < d[i][j]:
                    d[i][j] = d[i][k] + d[k][j]
    bad = set()
    for c in range(1, n + 1):
        if c in from_s and d[c][c] < 0:
            bad |= reach(c)
    out = []
    for v in range(1, n + 1):
        if v in bad:
            out.append("-INF")
        elif v not in from_s:
            out.append("INF")
        else:
            # shortest simple path by trying them all
            res = [INF]

            def go(u, length, used):
                if u == v:
                    res[0] = min(res[0], length)
                for x, w in adj[u]:
                    if x not in used:
                        used.add(x)
                        go(x, length + w, used)
                        used.discard(x)

            go(s, 0, {s})
            out.append(str(res[0]))
    return "\n".join(out) + "\n"


def worked_examples():
    yield ("5 6 1\n1 2 4\n1 3 2\n3 2 -3\n2 4 1\n4 5 2\n5 4 -5\n", "0\n-1\n2\n-INF\n-INF\n")
