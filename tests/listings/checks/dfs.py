# Connected components: the count (recursive search) and every vertex's component (explicit stack),
# components numbered by their smallest vertex.


def graph(rng, n, m):
    return f"{n} {m}\n" + "".join(f"{rng.randint(1, n)} {rng.randint(1, n)}\n" for _ in range(m))


def cases(rng):
    yield "1 0\n"
    yield "4 0\n"
    yield "2 3\n1 2\n2 1\n2 2\n"
    n = 3000  # a long chain in shuffled order: deep recursion, the stack version's worst case
    perm = list(range(1, n + 1))
    rng.shuffle(perm)
    yield f"{n} {n - 1}\n" + "".join(f"{perm[i]} {perm[i + 1]}\n" for i in range(n - 1))
    yield graph(rng, 100000, 60000)
    for _ in range(40):
        n = rng.randint(1, 15)
        yield graph(rng, n, rng.randint(0, 15))


def reference(stdin):
    nums = list(map(int, stdin.split()))
    n, m = nums[0], nums[1]
    parent = list(range(n + 1))

    def find(x):
        while parent[x] != x:
            parent[x] = parent[parent[x]]
            x = parent[x]
        return x

    for i in range(m):
        a, b = find(nums[2 + 2 * i]), find(nums[3 + 2 * i])
        parent[max(a, b)] = min(a, b)
    label, comp = {}, []
    for u in range(1, n + 1):
        r = find(u)
        if r not in label:
            label[r] = len(label) + 1
        comp.append(label[r])
    return f"components: {len(label)}\n" + " ".join(map(str, comp)) + "\n"


def worked_examples():
    yield ("6 3\n1 2\n3 1\n4 5\n", "components: 3\n1 1 1 2 2 3\n")
