def poly_input(a, b):
    return f"{len(a)} {len(b)}\n" + " ".join(map(str, a)) + "\n" + " ".join(map(str, b)) + "\n"


def cases(rng):
    yield poly_input([0], [0])
    yield poly_input([7], [1000])
    yield poly_input([1, 0, 0, 1], [1, 1])
    for _ in range(30):
        n, m = rng.randint(1, 70), rng.randint(1, 70)
        hi = rng.choice([1, 10, 1000])
        yield poly_input([rng.randint(0, hi) for _ in range(n)], [rng.randint(0, hi) for _ in range(m)])
    n = 100000
    yield poly_input([1000] * n, [1000] * n)  # the largest coefficients the text allows
    yield poly_input([rng.randint(0, 1000) for _ in range(20000)], [rng.randint(0, 1000) for _ in range(3)])


def reference(stdin):
    nums = [int(x) for x in stdin.split()]
    n, m = nums[0], nums[1]
    a, b = nums[2:2 + n], nums[2 + n:2 + n + m]
    if n == m == 100000 and set(a) == set(b) == {1000}:  # a flat product: pairs times 10^6
        c = [10**6 * (min(k, n - 1) - max(0, k - m + 1) + 1) for k in range(n + m - 1)]
    else:
        c = [0] * (n + m - 1)
        for j, y in enumerate(b):
            if y:
                for i, x in enumerate(a):
                    c[i + j] += x * y
    return " ".join(map(str, c)) + "\n"


def worked_examples():
    yield (poly_input([1, 2, 3], [4, 5]), "4 13 22 15\n")
    yield (poly_input([3, 2, 1], [5, 4]), "15 22 13 4\n")
