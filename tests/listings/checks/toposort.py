# Topological order (Kahn's algorithm): any order in which every arc runs forward, or "cycle".


def digraph(rng, n, m, acyclic):
    perm = list(range(1, n + 1))
    rng.shuffle(perm)
    arcs = []
    for _ in range(m):
        a, b = rng.randint(0, n - 1), rng.randint(0, n - 1)
        if acyclic:
            if a == b:
                continue
            a, b = min(a, b), max(a, b)
        arcs.append((perm[a], perm[b]))
    return f"{n} {len(arcs)}\n" + "".join(f"{u} {v}\n" for u, v in arcs)


def cases(rng):
    yield "1 0\n"
    yield "1 1\n1 1\n"  # a loop is a cycle
    yield "3 2\n1 2\n2 1\n"
    yield "3 3\n1 2\n1 2\n2 3\n"  # parallel arcs
    n = 100000  # the longest chain the arrays allow, given backwards
    yield f"{n} {n - 1}\n" + "".join(f"{i + 1} {i}\n" for i in range(1, n))
    yield digraph(rng, 100000, 30000, True)
    for _ in range(40):
        yield digraph(rng, rng.randint(1, 10), rng.randint(0, 15), rng.random() < 0.7)


def has_cycle(n, arcs):
    state = [0] * (n + 1)
    adj = [[] for _ in range(n + 1)]
    for u, v in arcs:
        adj[u].append(v)
    for s in range(1, n + 1):
        if state[s]:
            continue
        stack = [(s, iter(adj[s]))]
        state[s] = 1
        while stack:
            u, it = stack[-1]
            v = next(it, None)
            if v is None:
                state[u] = 2
                stack.pop()
            elif state[v] == 1:
                return True
            elif state[v] == 0:
                state[v] = 1
                stack.append((v, iter(adj[v])))
    return False


def check(stdin, stdout):
    nums = list(map(int, stdin.split()))
    n, m = nums[0], nums[1]
    arcs = [(nums[2 + 2 * i], nums[3 + 2 * i]) for i in range(m)]
    out = stdout.split()
    if has_cycle(n, arcs):
        assert out == ["cycle"], "a cyclic graph was ordered"
        return
    assert out != ["cycle"], "a cycle reported in an acyclic graph"
    order = list(map(int, out))
    assert sorted(order) == list(range(1, n + 1)), "not every vertex exactly once"
    pos = {v: i for i, v in enumerate(order)}
    assert all(pos[u] < pos[v] for u, v in arcs), "an arc runs backwards"


def worked_examples():
    yield ("5 5\n1 2\n1 3\n2 4\n3 4\n4 5\n", "1 3 2 4 5\n")
    yield ("3 2\n1 2\n2 1\n", "cycle\n")
