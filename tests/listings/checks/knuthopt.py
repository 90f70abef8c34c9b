import functools


def cases(rng):
    yield "1\n0\n"
    yield "1\n1000000\n"
    yield "3\n0 0 0\n"
    yield "5\n0 7 0 0 7\n"
    for _ in range(35):
        n = rng.randint(1, 18)
        hi = rng.choice([0, 1, 3, 1000000])
        yield f"{n}\n" + " ".join(str(rng.randint(0, hi)) for _ in range(n)) + "\n"
    # equal frequencies: the best tree is complete, whatever the theorem says
    yield "2000\n" + " ".join(["1000000"] * 2000) + "\n"
    yield "300\n" + " ".join(["1"] * 300) + "\n"


def reference(stdin):
    nums = [int(v) for v in stdin.split()]
    n, f = nums[0], nums[1:]
    if n > 100 and len(set(f)) == 1:
        # a complete tree: the key in position i (1-based, by levels) sits at depth floor(log2 i) + 1
        return f"{f[0] * sum(i.bit_length() for i in range(1, n + 1))}\n"
    pre = [0]
    for x in f:
        pre.append(pre[-1] + x)

    @functools.lru_cache(maxsize=None)
    def cost(i, j):  # plain cubic recurrence, every root tried
        if i > j:
            return 0
        return pre[j] - pre[i - 1] + min(cost(i, r - 1) + cost(r + 1, j) for r in range(i, j + 1))

    return f"{cost(1, n)}\n"


def worked_examples():
    yield ("4\n4 2 6 3\n", "26\n")
    yield ("7\n1 1 1 1 1 1 1\n", "17\n")
