# Decision-tree bound and merge sort's worst case, recomputed from exact factorials and
# the merge recurrence rather than the closed form the listing uses.
import math
from functools import lru_cache


@lru_cache(None)
def merge_worst(k):
    if k <= 1:
        return 0
    return merge_worst(k // 2) + merge_worst(k - k // 2) + k - 1


def cases(rng):
    for n in range(1, 21):
        yield f"{n}\n"


def reference(stdin):
    n = int(stdin)
    return "".join(f"{k} {(math.factorial(k) - 1).bit_length()} {merge_worst(k)}\n"
                   for k in range(1, n + 1))


def worked_examples():
    rows = [(1, 0, 0), (2, 1, 1), (3, 3, 3), (4, 5, 5), (5, 7, 8), (6, 10, 11), (7, 13, 14),
            (8, 16, 17), (9, 19, 21), (10, 22, 25), (11, 26, 29), (12, 29, 33)]
    yield ("12\n", "".join(f"{k} {b} {m}\n" for k, b, m in rows))
