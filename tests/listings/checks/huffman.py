# Code lengths must form a full prefix code whose cost is the printed one, and the cost must
# be optimal: every merge order is tried for small n, a heap of sums for large n.
import heapq
from fractions import Fraction
from functools import lru_cache


@lru_cache(None)
def best_merges(ws):  # ws: sorted tuple; cost of the cheapest full binary tree
    if len(ws) == 1:
        return 0
    best = None
    for i in range(len(ws)):
        for j in range(i + 1, len(ws)):
            rest = list(ws[:i] + ws[i + 1:j] + ws[j + 1:]) + [ws[i] + ws[j]]
            c = ws[i] + ws[j] + best_merges(tuple(sorted(rest)))
            best = c if best is None or c < best else best
    return best


def optimum(f):
    if len(f) == 1:
        return f[0]
    if len(f) <= 6:
        return best_merges(tuple(sorted(f)))
    h = list(f)
    heapq.heapify(h)
    cost = 0
    while len(h) > 1:
        s = heapq.heappop(h) + heapq.heappop(h)
        cost += s
        heapq.heappush(h, s)
    return cost


def cases(rng):
    yield "1\n7\n"
    yield "2\n1000000000 1000000000\n"
    yield "5\n1 1 2 4 8\n"
    yield "4\n3 3 3 3\n"
    n = 100000
    yield f"{n}\n" + " ".join(["1000000000"] * n) + "\n"
    yield f"{n}\n" + " ".join(str(rng.randint(1, 10**9)) for _ in range(n)) + "\n"
    yield "40\n" + " ".join(str(2 ** max(0, i - 1)) for i in range(40)) + "\n"
    for _ in range(150):
        n = rng.randint(1, 6)
        hi = rng.choice((2, 10, 10**9))
        yield f"{n}\n" + " ".join(str(rng.randint(1, hi)) for _ in range(n)) + "\n"


def check(stdin, stdout):
    f = list(map(int, stdin.split()))[1:]
    lines = stdout.split("\n")
    cost = int(lines[0])
    lengths = list(map(int, lines[1].split()))
    if len(lengths) != len(f) or min(lengths) < 1:
        raise AssertionError("one positive length per symbol expected")
    if len(f) > 1 and sum(Fraction(1, 2 ** x) for x in lengths) != 1:
        raise AssertionError("lengths do not form a full prefix code")
    if sum(a * b for a, b in zip(f, lengths)) != cost:
        raise AssertionError("printed cost is not the cost of the lengths")
    if cost != optimum(f):
        raise AssertionError(f"cost {cost}, optimum {optimum(f)}")


def worked_examples():
    yield ("5\n5 2 2 1 1\n", "23\n1 3 3 3 3\n")
    yield ("5\n1 1 2 4 8\n", "30\n4 4 3 2 1\n")
