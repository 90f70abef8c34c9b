# The program prints the size and the height of its tree and the keys in preorder;
# the tree is rebuilt from the preorder and checked: search order, the keys inserted,
# every node's balance and the height it reported.
import sys

LIM = 10**9


def cases(rng):
    yield "0\n"
    yield "1\n5\n"
    yield "4\n2 2 2 2\n"
    yield "3\n3 2 1\n"
    yield "4\n1 3 2 2\n"
    yield "3\n3 1 2\n"
    for _ in range(40):
        n = rng.randint(1, 60)
        yield f"{n}\n" + " ".join(str(rng.randint(-20, 20)) for _ in range(n)) + "\n"
    n = 200000
    yield f"{n}\n" + " ".join(str(k) for k in range(n)) + "\n"
    yield f"{n}\n" + " ".join(str(LIM - k * 3) for k in range(n)) + "\n"
    yield f"{n}\n" + " ".join(str(rng.randint(-LIM, LIM)) for _ in range(n)) + "\n"


def check(stdin, stdout):
    sys.setrecursionlimit(10000)
    keys = sorted(set(map(int, stdin.split()[1:])))
    lines = stdout.split("\n")
    size, height = map(int, lines[0].split())
    pre = list(map(int, lines[1].split())) if len(lines) > 1 else []
    if size != len(keys) or pre and sorted(pre) != keys or len(pre) != len(keys):
        raise AssertionError("the tree does not hold exactly the keys inserted")
    pos = 0

    def build(lo, hi):
        # returns the height of the subtree whose keys lie in (lo, hi)
        nonlocal pos
        if pos == len(pre) or not lo < pre[pos] < hi:
            return 0
        k = pre[pos]
        pos += 1
        hl = build(lo, k)
        hr = build(k, hi)
        if abs(hl - hr) > 1:
            raise AssertionError(f"node {k} is out of balance: {hl} and {hr}")
        return 1 + max(hl, hr)

    h = build(float("-inf"), float("inf"))
    if pos != len(pre):
        raise AssertionError("the preorder is not that of a search tree")
    if h != height:
        raise AssertionError(f"height reported {height}, real {h}")


def worked_examples():
    yield ("7\n1 2 3 4 5 6 7\n", "7 3\n4 2 1 3 6 5 7\n")
