# All-pairs shortest paths, or NEGATIVE CYCLE; the reference runs Bellman-Ford from every vertex.


def cases(rng):
    yield "1 0\n"
    yield "1 1\n1 1 -1\n"
    yield "2 2\n1 2 5\n1 2 3\n"                     # parallel edges: the lighter one counts
    yield "2 2\n1 2 -1000000000\n2 1 1000000000\n"
    # one long negative cycle, seen only in the last phase
    n = 60
    yield f"{n} {n}\n" + "".join(f"{i} {i % n + 1} -1000000000\n" for i in range(1, n + 1))
    # negative loops everywhere: without stopping at the first negative diagonal the values
    # double phase after phase and overflow long before the last one
    n = 70
    yield f"{n} {n * n}\n" + "".join(f"{i} {j} -1\n" for i in range(1, n + 1) for j in range(1, n + 1))
    n = 400
    yield f"{n} {n - 1}\n" + "".join(f"{i} {i + 1} -1000000000\n" for i in range(1, n))
    for _ in range(120):
        n = rng.randint(1, 7)
        m = rng.randint(0, 12)
        lo = rng.choice([0, -2, -9])
        edges = [(rng.randint(1, n), rng.randint(1, n), rng.randint(lo, 9)) for _ in range(m)]
        yield f"{n} {m}\n" + "".join(f"{u} {v} {w}\n" for u, v, w in edges)


def reference(stdin):
    it = iter(stdin.split())
    n, m = int(next(it)), int(next(it))
    edges = [(int(next(it)), int(next(it)), int(next(it))) for _ in range(m)]
    # a virtual source joined to every vertex finds any negative cycle
    d = [0] * (n + 1)
    for _ in range(n):
        for u, v, w in edges:
            if d[u] + w < d[v]:
                d[v] = d[u] + w
    if any(d[u] + w < d[v] for u, v, w in edges):
        return "NEGATIVE CYCLE\n"
    if n > 100:  # only the long chain is large
        pre = [0] * (n + 1)
        for i in range(2, n + 1):
            pre[i] = pre[i - 1] - 1000000000
        return "".join(" ".join(str(pre[j] - pre[i]) if j >= i else "INF"
                                for j in range(1, n + 1)) + "\n" for i in range(1, n + 1))
    out = []
    for s in range(1, n + 1):
        dist = [None] * (n + 1)
        dist[s] = 0
        for _ in range(n):
            for u, v, w in edges:
                if dist[u] is not None and (dist[v] is None or dist[u] + w < dist[v]):
                    dist[v] = dist[u] + w
        out.append(" ".join("INF" if x is None else str(x) for x in dist[1:]))
    return "\n".join(out) + "\n"


def worked_examples():
    yield ("4 5\n1 2 3\n2 3 -2\n3 1 4\n1 3 7\n3 4 1\n",
           "0 3 1 2\n2 0 -2 -1\n4 7 0 1\nINF INF INF 0\n")
