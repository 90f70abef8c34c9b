# Adjacency lists: each vertex lists its neighbours newest first, an undirected edge twice.


def graph(rng, n, m):
    edges = [(rng.randint(1, n), rng.randint(1, n), rng.randint(-5, 100)) for _ in range(m)]
    return f"{n} {m}\n" + "".join(f"{u} {v} {w}\n" for u, v, w in edges)


def cases(rng):
    yield "1 0\n"
    yield "2 1\n2 2 7\n"  # a loop is stored twice
    yield "3 3\n1 2 1\n1 2 1\n1 2 2\n"  # parallel edges
    yield graph(rng, 1000, 10000)  # the limits the text gives
    for _ in range(40):
        yield graph(rng, rng.randint(1, 8), rng.randint(0, 12))


def reference(stdin):
    nums = list(map(int, stdin.split()))
    n, m = nums[0], nums[1]
    adj = [[] for _ in range(n + 1)]
    for i in range(m):
        u, v, w = nums[2 + 3 * i : 5 + 3 * i]
        adj[u].append((v, w))
        adj[v].append((u, w))
    return "".join(f"{u}:" + "".join(f" {v}({w})" for v, w in reversed(adj[u])) + "\n" for u in range(1, n + 1))


def worked_examples():
    yield ("4 4\n1 2 5\n1 3 2\n2 3 7\n3 4 1\n", "1: 3(2) 2(5)\n2: 3(7) 1(5)\n3: 4(1) 2(7) 1(2)\n4: 3(1)\n")
    yield ("2 1\n2 2 7\n", "1:\n2: 2(7) 2(7)\n")
