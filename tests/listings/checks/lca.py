# Lowest common ancestors in a tree rooted at 1.


def tree(rng, n, shape):
    perm = list(range(2, n + 1))
    rng.shuffle(perm)
    label = [0, 1] + perm                  # vertex k of the shape gets label[k]
    edges = []
    for k in range(2, n + 1):
        if shape == "path":
            p = k - 1
        elif shape == "star":
            p = 1
        else:
            p = rng.randint(max(1, k - 3), k - 1) if rng.random() < 0.5 else rng.randint(1, k - 1)
        a, b = label[k], label[p]
        edges.append((a, b) if rng.random() < 0.5 else (b, a))
    rng.shuffle(edges)
    return edges


def make(rng, n, q, shape="random"):
    edges = tree(rng, n, shape)
    qs = [(rng.randint(1, n), rng.randint(1, n)) for _ in range(q)]
    return f"{n} {q}\n" + "".join(f"{a} {b}\n" for a, b in edges) + \
        "".join(f"{u} {v}\n" for u, v in qs)


def cases(rng):
    yield "1 1\n1 1\n"
    yield "2 3\n2 1\n1 2\n2 2\n2 1\n"
    for _ in range(40):
        n = rng.randint(1, 40)
        yield make(rng, n, rng.randint(1, 20), rng.choice(["random", "random", "path", "star"]))
    yield make(rng, 200000, 5, "path")


def reference(stdin):
    t = list(map(int, stdin.split()))
    n, q = t[0], t[1]
    adj = [[] for _ in range(n + 1)]
    pos = 2
    for _ in range(n - 1):
        a, b = t[pos], t[pos + 1]
        pos += 2
        adj[a].append(b)
        adj[b].append(a)
    parent = [0] * (n + 1)
    depth = [0] * (n + 1)
    seen = [False] * (n + 1)
    seen[1] = True
    stack = [1]
    while stack:
        v = stack.pop()
        for w in adj[v]:
            if not seen[w]:
                seen[w] = True
                parent[w] = v
                depth[w] = depth[v] + 1
                stack.append(w)
    out = []
    for _ in range(q):
        u, v = t[pos], t[pos + 1]
        pos += 2
        while depth[u] > depth[v]:
            u = parent[u]
        while depth[v] > depth[u]:
            v = parent[v]
        while u != v:
            u, v = parent[u], parent[v]
        out.append(f"{u}\n")
    return "".join(out)


def worked_examples():
    tree = "1 2\n1 3\n2 4\n2 5\n5 6\n3 7\n"
    yield ("7 3\n" + tree + "4 6\n6 7\n5 6\n", "2\n1\n5\n")
