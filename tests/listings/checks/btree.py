# The program prints its answers to the searches, the size and height of its tree
# and every node in preorder with its depth; the tree is rebuilt and checked: search
# order, node sizes for the minimum degree 3, leaves on one level, the keys inserted.

T = 3
LIM = 10**9


def make(n, q, keys, queries):
    return f"{n}\n" + " ".join(map(str, keys)) + f"\n{q}\n" + " ".join(map(str, queries)) + "\n"


def cases(rng):
    yield "0\n0\n"
    yield "0\n1\n5\n"
    yield make(4, 1, [7, 7, 7, 7], [7])
    for n in range(1, 22):                 # every split of the first two levels
        yield make(n, 2, list(range(n)), [0, n])
    for n in (6, 9, 12, 15, 21):
        yield make(n, 2, list(range(n, 0, -1)), [1, n + 1])
    for _ in range(35):
        n = rng.randint(1, 80)
        keys = [rng.randint(-30, 30) for _ in range(n)]
        qs = [rng.randint(-32, 32) for _ in range(10)]
        yield make(n, len(qs), keys, qs)
    keys = [rng.randint(-LIM, LIM) for _ in range(200000)]
    yield make(len(keys), 20, keys, keys[:10] + [rng.randint(-LIM, LIM) for _ in range(10)])


def check(stdin, stdout):
    t = list(map(int, stdin.split()))
    n = t[0]
    keys = set(t[1:1 + n])
    queries = t[2 + n:]
    lines = stdout.split("\n")
    want = "".join("1" if x in keys else "0" for x in queries)
    if lines[0].strip() != want:
        raise AssertionError(f"searches answered {lines[0]!r}, want {want!r}")
    count, height = map(int, lines[1].split())
    nodes = []
    for line in lines[2:]:
        if line.strip():
            d, rest = line.split(":")
            nodes.append((int(d), list(map(int, rest.split()))))
    pos = 0
    got = []
    leaf_depths = set()

    def walk(depth, lo, hi):
        nonlocal pos
        d, ks = nodes[pos]
        pos += 1
        if d != depth:
            raise AssertionError("preorder depths do not nest")
        if depth > 0 and not T - 1 <= len(ks) <= 2 * T - 1 or len(ks) > 2 * T - 1:
            raise AssertionError(f"node {ks} has a wrong number of keys")
        if ks != sorted(ks) or any(not lo < k < hi for k in ks) or len(set(ks)) != len(ks):
            raise AssertionError(f"node {ks} breaks the search order")
        children = 0
        while pos < len(nodes) and nodes[pos][0] == depth + 1:
            bounds = [lo] + ks + [hi]
            walk(depth + 1, bounds[children], bounds[children + 1])
            children += 1
        if children == 0:
            leaf_depths.add(depth)
        elif children != len(ks) + 1:
            raise AssertionError(f"node {ks} has {children} children")
        got.extend(ks)

    walk(0, float("-inf"), float("inf"))
    if pos != len(nodes):
        raise AssertionError("more than one root")
    if sorted(got) != sorted(keys) or count != len(keys):
        raise AssertionError("the tree does not hold exactly the keys inserted")
    if len(leaf_depths) != 1 or height != max(leaf_depths) + 1:
        raise AssertionError(f"leaves at depths {leaf_depths}, height said {height}")


def worked_examples():
    yield (make(9, 3, [10, 20, 30, 40, 50, 60, 70, 80, 90], [40, 45, 90]),
           "101\n9 2\n0: 30 60\n1: 10 20\n1: 40 50\n1: 70 80 90\n")
