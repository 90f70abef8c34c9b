# Shortest distances from vertex 1 on an undirected graph with non-negative lengths (binary heap version).
# The graphs, the reference and the checks are those of the listing it is a version of.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from dijkstra import GRAPH, graph, reference  # noqa: E402,F401


def cases(rng):
    yield "1 0\n"
    yield "3 0\n"
    yield "2 3\n1 2 9\n2 1 4\n1 2 0\n"  # parallel edges: the shortest counts
    n = 100000  # a chain of the largest lengths at the largest n
    yield f"{n} {n - 1}\n" + "".join(f"{i} {i + 1} 1000000000\n" for i in range(1, n))
    yield graph(rng, 100000, 30000, 10**9)
    for _ in range(40):
        n = rng.randint(1, 10)
        yield graph(rng, n, rng.randint(0, 20), rng.choice([3, 100, 10**9]))


def worked_examples():
    yield (GRAPH, "1: 0\n2: 3\n3: 2\n4: 8\n5: 10\n6: 13\n")
