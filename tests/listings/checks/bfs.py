# Breadth-first search from vertex 1: distances, and one shortest path to n when there is one.
from collections import deque


def graph(rng, n, m):
    return f"{n} {m}\n" + "".join(f"{rng.randint(1, n)} {rng.randint(1, n)}\n" for _ in range(m))


def cases(rng):
    yield "1 0\n"
    yield "3 1\n1 2\n"  # n unreachable: no path line
    yield "2 2\n1 1\n1 2\n"
    n = 100000  # the longest chain the arrays allow
    yield f"{n} {n - 1}\n" + "".join(f"{i} {i + 1}\n" for i in range(1, n))
    yield graph(rng, 100000, 30000)
    for _ in range(40):
        n = rng.randint(1, 12)
        yield graph(rng, n, rng.randint(0, 20))


def check(stdin, stdout):
    nums = list(map(int, stdin.split()))
    n, m = nums[0], nums[1]
    adj = [set() for _ in range(n + 1)]
    for i in range(m):
        u, v = nums[2 + 2 * i], nums[3 + 2 * i]
        adj[u].add(v)
        adj[v].add(u)
    dist = [-1] * (n + 1)
    dist[1] = 0
    q = deque([1])
    while q:
        u = q.popleft()
        for v in adj[u]:
            if dist[v] == -1:
                dist[v] = dist[u] + 1
                q.append(v)
    lines = stdout.rstrip("\n").split("\n")
    want = [f"dist[{u}] = {dist[u]}" for u in range(1, n + 1)]
    assert [l.rstrip() for l in lines[:n]] == want, "wrong distances"
    rest = lines[n:]
    if dist[n] == -1:
        assert rest == [], "a path to an unreachable vertex"
        return
    assert len(rest) == 1, "no path line"
    path = list(map(int, rest[0].split()))
    assert path[0] == 1 and path[-1] == n, "the path does not run from 1 to n"
    assert len(path) == dist[n] + 1, "the path is not shortest"
    assert all(b in adj[a] for a, b in zip(path, path[1:])), "the path uses a missing edge"


def worked_examples():
    yield (
        "5 5\n1 2\n1 3\n2 4\n3 4\n4 5\n",
        "dist[1] = 0\ndist[2] = 1\ndist[3] = 1\ndist[4] = 2\ndist[5] = 3\n1 3 4 5\n",
    )
    yield ("3 1\n1 2\n", "dist[1] = 0\ndist[2] = 1\ndist[3] = -1\n")
