# Maximum bipartite matching: any maximum set of pairs is right. The size is checked
# against a brute force over the workers' choices.


def cases(rng):
    yield "1 1 0\n"
    yield "2 2 3\n1 1\n1 1\n2 1\n"             # duplicate edges, one job for two
    # the last worker can only take job 1, so every earlier worker moves one job along
    n = 500
    yield f"{n} {n} {2 * n - 1}\n" + "".join(f"{j} {j}\n{j} {j + 1}\n" for j in range(1, n)) + f"{n} 1\n"
    for _ in range(120):
        a, b = rng.randint(1, 6), rng.randint(1, 6)
        m = rng.randint(0, 14)
        yield f"{a} {b} {m}\n" + "".join(f"{rng.randint(1, a)} {rng.randint(1, b)}\n" for _ in range(m))


def best(a, adj):
    memo = {}

    def go(u, taken):
        if u > a:
            return 0
        key = (u, taken)
        if key not in memo:
            r = go(u + 1, taken)
            for v in adj[u]:
                if not taken >> v & 1:
                    r = max(r, 1 + go(u + 1, taken | 1 << v))
            memo[key] = r
        return memo[key]

    return go(1, 0)


def check(stdin, stdout):
    it = iter(stdin.split())
    a, b, m = int(next(it)), int(next(it)), int(next(it))
    edges = {(int(next(it)), int(next(it))) for _ in range(m)}
    out = [int(x) for x in stdout.split()]
    size, pairs = out[0], list(zip(out[1::2], out[2::2]))
    if len(pairs) != size:
        raise AssertionError("the count does not match the pairs printed")
    if any(p not in edges for p in pairs):
        raise AssertionError("a pair that is not an edge")
    if len({u for u, _ in pairs}) != size or len({v for _, v in pairs}) != size:
        raise AssertionError("two pairs share an end")
    want = a if a == 500 else best(a, {u: sorted({v for x, v in edges if x == u}) for u in range(1, a + 1)})
    if size != want:
        raise AssertionError(f"size {size}, the largest is {want}")


def worked_examples():
    yield ("3 3 5\n1 1\n1 2\n2 1\n3 2\n3 3\n", "3\n1 2\n2 1\n3 3\n")
