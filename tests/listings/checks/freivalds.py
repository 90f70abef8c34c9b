# YES exactly when AB = C: correct products, one changed entry, changes that cancel in sums.


def fmt(n, *ms):
    return f"{n}\n" + "".join(" ".join(map(str, row)) + "\n" for m in ms for row in m)


def product(a, b):
    n = len(a)
    nz = [[(j, v) for j, v in enumerate(row) if v] for row in b]
    c = [[0] * n for _ in range(n)]
    for i in range(n):
        ci = c[i]
        for k, x in enumerate(a[i]):
            if x:
                for j, v in nz[k]:
                    ci[j] += x * v
    return c


def cases(rng):
    def rand(n, hi=1000):
        return [[rng.randint(-hi, hi) for _ in range(n)] for _ in range(n)]
    yield fmt(1, [[0]], [[0]], [[0]])
    yield fmt(1, [[1000]], [[-1000]], [[-1000000]])
    yield fmt(1, [[1000]], [[-1000]], [[-999999]])
    # The largest size and values, with a diagonal B so the reference stays cheap.
    n = 500
    a = [[rng.choice((-1000, 1000)) for _ in range(n)] for _ in range(n)]
    b = [[(1000 if i == j else 0) for j in range(n)] for i in range(n)]
    c = product(a, b)
    yield fmt(n, a, b, c)
    c[rng.randrange(n)][rng.randrange(n)] += 1
    yield fmt(n, a, b, c)
    for _ in range(120):
        n = rng.randint(1, 8)
        a, b = rand(n, rng.choice((1, 3, 1000))), rand(n, rng.choice((1, 3, 1000)))
        c = product(a, b)
        kind = rng.randint(0, 3)
        if kind == 1:
            c[rng.randrange(n)][rng.randrange(n)] += rng.choice((-1, 1, 7))
        elif kind == 2 and n > 1:
            i, j1, j2 = rng.randrange(n), 0, n - 1
            c[i][j1] += 1
            c[i][j2] -= 1          # the row sum stays the same
        yield fmt(n, a, b, c)


def reference(stdin):
    it = iter(map(int, stdin.split()))
    n = next(it)
    a, b, c = ([[next(it) for _ in range(n)] for _ in range(n)] for _ in range(3))
    return "YES\n" if product(a, b) == c else "NO\n"


def worked_examples():
    yield ("2\n1 2\n3 4\n5 6\n7 8\n19 22\n43 51\n", "NO\n")
    yield ("2\n1 2\n3 4\n5 6\n7 8\n19 22\n43 50\n", "YES\n")
