# Topological order (depth-first search, finishing times reversed): any order in which every arc runs forward, or "cycle".
# The graphs, the reference and the checks are those of the listing it is a version of.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from toposort import check, digraph  # noqa: E402,F401


def cases(rng):
    yield "1 0\n"
    yield "1 1\n1 1\n"  # a loop is a cycle
    yield "3 2\n1 2\n2 1\n"
    yield "3 3\n1 2\n1 2\n2 3\n"  # parallel arcs
    n = 3000  # a long chain given backwards: deep recursion
    yield f"{n} {n - 1}\n" + "".join(f"{i + 1} {i}\n" for i in range(1, n))
    yield digraph(rng, 3000, 6000, True)
    for _ in range(40):
        yield digraph(rng, rng.randint(1, 10), rng.randint(0, 15), rng.random() < 0.7)


def worked_examples():
    yield ("5 5\n1 2\n1 3\n2 4\n3 4\n4 5\n", "1 2 3 4 5\n")
    yield ("3 2\n1 2\n2 1\n", "cycle\n")
