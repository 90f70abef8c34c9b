# Shortest distances from vertex 1 on an undirected graph with non-negative lengths (matrix version).
import heapq

GRAPH = "6 9\n1 2 4\n1 3 2\n2 3 1\n2 4 5\n3 4 8\n3 5 10\n4 5 2\n4 6 6\n5 6 3\n"


def graph(rng, n, m, wmax):
    return f"{n} {m}\n" + "".join(f"{rng.randint(1, n)} {rng.randint(1, n)} {rng.randint(0, wmax)}\n" for _ in range(m))


def cases(rng):
    yield "1 0\n"
    yield "3 0\n"
    yield "2 3\n1 2 9\n2 1 4\n1 2 0\n"  # parallel edges: the shortest counts
    n = 1000  # a chain of the largest lengths at the largest n
    yield f"{n} {n - 1}\n" + "".join(f"{i} {i + 1} 1000000000\n" for i in range(1, n))
    yield graph(rng, 1000, 5000, 10**9)
    for _ in range(40):
        n = rng.randint(1, 10)
        yield graph(rng, n, rng.randint(0, 20), rng.choice([3, 100, 10**9]))


def reference(stdin):
    nums = list(map(int, stdin.split()))
    n, m = nums[0], nums[1]
    adj = [[] for _ in range(n + 1)]
    for i in range(m):
        u, v, w = nums[2 + 3 * i : 5 + 3 * i]
        adj[u].append((v, w))
        adj[v].append((u, w))
    dist = {1: 0}
    heap = [(0, 1)]
    done = set()
    while heap:
        d, u = heapq.heappop(heap)
        if u in done:
            continue
        done.add(u)
        for v, w in adj[u]:
            if v not in dist or d + w < dist[v]:
                dist[v] = d + w
                heapq.heappush(heap, (d + w, v))
    return "".join(f"{u}: {dist[u] if u in dist else '-'}\n" for u in range(1, n + 1))


def worked_examples():
    yield (GRAPH, "1: 0\n2: 3\n3: 2\n4: 8\n5: 10\n6: 13\n")
