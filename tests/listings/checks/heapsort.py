# Sorting an int array: edges (empty, one, duplicates, the int range, reversed), then random.
# The arrays and the reference are those of selection sort.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from selection import arrays, reference  # noqa: E402,F401


def cases(rng):
    for a in arrays(rng, 100000):
        yield f"{len(a)}\n" + " ".join(map(str, a)) + "\n"


def worked_examples():
    yield ("6\n5 2 4 6 1 3\n", "1 2 3 4 5 6\n")
    yield ("7\n4 1 3 2 16 9 10\n", "1 2 3 4 9 10 16\n")
