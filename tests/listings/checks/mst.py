# Kruskal: the edges taken, lightest first (ties by their ends as given), and the total weight.


def graph(rng, n, m, wlo, whi):
    return f"{n} {m}\n" + "".join(
        f"{rng.randint(1, n)} {rng.randint(1, n)} {rng.randint(wlo, whi)}\n" for _ in range(m)
    )


def cases(rng):
    yield "1 0\n"
    yield "2 0\n"
    yield "2 2\n1 1 -5\n1 2 3\n"  # a loop is never taken
    yield "3 3\n1 2 2147483647\n2 3 -2147483648\n1 3 0\n"  # extreme weights: compare, never subtract
    n = 100000
    yield f"{n} {n - 1}\n" + "".join(f"{i} {i + 1} 2147483647\n" for i in range(1, n))  # total beyond int
    yield graph(rng, 100000, 30000, -10**9, 10**9)
    for _ in range(40):
        n = rng.randint(1, 9)
        yield graph(rng, n, rng.randint(0, 16), rng.choice([0, -3]), rng.choice([3, 50]))


def reference(stdin):
    nums = list(map(int, stdin.split()))
    n, m = nums[0], nums[1]
    edges = sorted((nums[4 + 3 * i], nums[2 + 3 * i], nums[3 + 3 * i]) for i in range(m))
    parent = list(range(n + 1))

    def find(x):
        while parent[x] != x:
            parent[x] = parent[parent[x]]
            x = parent[x]
        return x

    out, total, taken = [], 0, 0
    for w, u, v in edges:
        if taken == n - 1:
            break
        a, b = find(u), find(v)
        if a != b:
            parent[a] = b
            total += w
            taken += 1
            out.append(f"{u} - {v} ({w})\n")
    out.append("graph is not connected\n" if taken < n - 1 else f"total weight: {total}\n")
    return "".join(out)


def worked_examples():
    yield (
        "6 9\n1 2 4\n1 3 2\n2 3 1\n2 4 5\n3 4 8\n3 5 10\n4 5 2\n4 6 6\n5 6 3\n",
        "2 - 3 (1)\n1 - 3 (2)\n4 - 5 (2)\n5 - 6 (3)\n2 - 4 (5)\ntotal weight: 13\n",
    )
