# Inversion count: empty, one, equal keys (not inversions), extremes, the largest n reversed.


def cases(rng):
    yield "0\n"
    yield "1\n5\n"
    yield "4\n7 7 7 7\n"
    yield "3\n2147483647 -2147483648 0\n"
    n = 200000
    yield f"{n}\n" + " ".join(map(str, range(n, 0, -1))) + "\n"
    yield f"{n}\n" + " ".join(str(rng.randint(-10**9, 10**9)) for _ in range(n)) + "\n"
    for _ in range(150):
        n = rng.randint(1, 40)
        hi = rng.choice((2, 10, 2**31 - 1))
        yield f"{n}\n" + " ".join(str(rng.randint(-hi - 1, hi)) for _ in range(n)) + "\n"


def reference(stdin):
    a = list(map(int, stdin.split()))[1:]
    rank = {v: r for r, v in enumerate(sorted(set(a)), 1)}
    tree = [0] * (len(rank) + 1)  # Fenwick tree of the ranks seen so far
    inv = 0
    for seen, x in enumerate(a):
        r = rank[x]
        not_greater = 0
        while r:
            not_greater += tree[r]
            r -= r & -r
        inv += seen - not_greater
        r = rank[x]
        while r < len(tree):
            tree[r] += 1
            r += r & -r
    return f"{inv}\n"


def worked_examples():
    yield ("5\n2 4 1 3 5\n", "3\n")
