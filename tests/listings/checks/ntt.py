P = 998244353


def poly_input(a, b):
    return f"{len(a)} {len(b)}\n" + " ".join(map(str, a)) + "\n" + " ".join(map(str, b)) + "\n"


def cases(rng):
    yield poly_input([0], [0])
    yield poly_input([P - 1], [P - 1])
    yield poly_input([1], [5, 6, 7])
    for _ in range(30):
        n, m = rng.randint(1, 60), rng.randint(1, 60)
        hi = rng.choice([1, 10, P - 1])
        yield poly_input([rng.randint(0, hi) for _ in range(n)], [rng.randint(0, hi) for _ in range(m)])
    n = 200000
    yield poly_input([P - 1] * n, [P - 1] * n)  # the largest size and the largest residues
    yield poly_input([rng.randrange(P) for _ in range(30000)], [rng.randrange(P) for _ in range(2)])


def reference(stdin):
    nums = [int(x) for x in stdin.split()]
    n, m = nums[0], nums[1]
    a, b = nums[2:2 + n], nums[2 + n:2 + n + m]
    if n == m == 200000 and set(a) == set(b) == {P - 1}:  # (-1)(-1) = 1 for every pair
        c = [(min(k, n - 1) - max(0, k - m + 1) + 1) % P for k in range(n + m - 1)]
    else:
        c = [0] * (n + m - 1)
        for j, y in enumerate(b):
            if y:
                for i, x in enumerate(a):
                    c[i + j] += x * y
    return " ".join(str(v % P) for v in c) + "\n"


def worked_examples():
    yield (poly_input([1, 2, 3], [4, 5]), "4 13 22 15\n")
    yield (poly_input([P - 1, 1], [P - 1, 1]), "1 998244351 1\n")
