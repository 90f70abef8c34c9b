# Distances over 0/1 edges; the reference is Dijkstra with a heap.
import heapq


def cases(rng):
    yield "1 0\n"
    yield "3 1\n2 3 0\n"
    yield "2 3\n1 2 1\n1 2 0\n1 1 0\n"
    # every vertex improved once by weight 1, then again by weight 0: the deque's full size
    n = 100000
    edges = [(1, v, 1) for v in range(2, n + 1)] + [(1, 2, 0)] + [(v, v + 1, 0) for v in range(2, n)]
    edges = edges[:200000]
    yield f"{n} {len(edges)}\n" + "".join(f"{u} {v} {w}\n" for u, v, w in edges)
    for _ in range(120):
        n = rng.randint(1, 8)
        m = rng.randint(0, 16)
        yield f"{n} {m}\n" + "".join(
            f"{rng.randint(1, n)} {rng.randint(1, n)} {rng.randint(0, 1)}\n" for _ in range(m))


def reference(stdin):
    it = iter(stdin.split())
    n, m = int(next(it)), int(next(it))
    adj = [[] for _ in range(n + 1)]
    for _ in range(m):
        u, v, w = int(next(it)), int(next(it)), int(next(it))
        adj[u].append((v, w))
    dist = [-1] * (n + 1)
    heap = [(0, 1)]
    while heap:
        d, u = heapq.heappop(heap)
        if dist[u] != -1:
            continue
        dist[u] = d
        for v, w in adj[u]:
            if dist[v] == -1:
                heapq.heappush(heap, (d + w, v))
    return " ".join(map(str, dist[1:])) + "\n"


def worked_examples():
    yield ("5 6\n1 2 1\n1 3 0\n3 2 0\n2 4 1\n3 4 1\n4 5 0\n", "0 0 0 1 1\n")
