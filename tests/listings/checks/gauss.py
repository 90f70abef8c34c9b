import itertools


def system(n, m, p, rows):
    return f"{n} {m} {p}\n" + "".join(" ".join(map(str, r)) + "\n" for r in rows)


def cases(rng):
    yield system(1, 1, 2, [[0, 0]])
    yield system(1, 1, 2, [[0, 1]])
    yield system(1, 3, 3, [[0, 0, 0, 2]])
    yield system(2, 1, 5, [[2, 3], [4, 1]])
    for _ in range(28):
        p = rng.choice([2, 3, 5, 7])
        m = rng.randint(1, 3)
        n = rng.randint(1, 4)
        rows = [[rng.randrange(p) for _ in range(m + 1)] for _ in range(n)]
        if rng.random() < 0.4 and n > 1:  # a dependent row
            k = rng.randrange(p)
            rows[-1] = [k * v % p for v in rows[0]]
        yield system(n, m, p, rows)
    for _ in range(6):
        p = rng.choice([1000000007, 2147483647, 998244353])
        n, m = rng.randint(1, 30), rng.randint(1, 30)
        r = rng.randint(0, min(n, m))
        # rank r by construction: rows are combinations of r random rows
        base = [[rng.randrange(p) for _ in range(m)] for _ in range(r)]
        x = [rng.randrange(p) for _ in range(m)]
        rows = []
        for _ in range(n):
            coef = [rng.randrange(p) for _ in range(r)]
            row = [sum(c * b[j] for c, b in zip(coef, base)) % p for j in range(m)]
            rows.append(row + [sum(row[j] * x[j] for j in range(m)) % p])
        if rng.random() < 0.5 and r < n:
            rows[rng.randrange(n)][m] += 1  # most likely breaks consistency
            rows = [[v % p for v in row] for row in rows]
        yield system(n, m, p, rows)
    yield system(100, 100, 2147483647, [[(i * 7 + j * 13) % 2147483647 if i != j else 1 for j in range(101)] for i in range(100)])


def rank_and_consistent(rows, m, p):
    rows = [list(r) for r in rows]
    rank = 0
    for col in range(m):
        piv = next((i for i in range(rank, len(rows)) if rows[i][col] % p), None)
        if piv is None:
            continue
        rows[rank], rows[piv] = rows[piv], rows[rank]
        inv = pow(rows[rank][col], p - 2, p)
        rows[rank] = [v * inv % p for v in rows[rank]]
        for i in range(len(rows)):
            if i != rank and rows[i][col]:
                f = rows[i][col]
                rows[i] = [(a - f * b) % p for a, b in zip(rows[i], rows[rank])]
        rank += 1
    return rank, all(r[m] % p == 0 for r in rows[rank:])


def check(stdin, stdout):
    nums = [int(v) for v in stdin.split()]
    n, m, p = nums[:3]
    rows = [nums[3 + i * (m + 1):3 + (i + 1) * (m + 1)] for i in range(n)]
    lines = stdout.split("\n")
    if p ** m <= 400:  # count the solutions by trying every vector
        count = sum(1 for x in itertools.product(range(p), repeat=m)
                    if all(sum(r[j] * x[j] for j in range(m)) % p == r[m] % p for r in rows))
        consistent = count > 0
        rank = m - next(k for k in range(m + 1) if p ** k == count) if count else None
    else:
        rank, consistent = rank_and_consistent(rows, m, p)
    if not consistent:
        if lines[0].strip() != "-1":
            raise AssertionError("the system has no solution; expected -1")
        return
    if lines[0].strip() != str(rank):
        raise AssertionError(f"rank {lines[0]!r}, expected {rank}")
    x = [int(v) for v in lines[1].split()]
    if len(x) != m or any(not 0 <= v < p for v in x):
        raise AssertionError("solution must be m residues")
    for r in rows:
        if sum(r[j] * x[j] for j in range(m)) % p != r[m] % p:
            raise AssertionError(f"the printed solution breaks the equation {r}")


def worked_examples():
    yield (system(3, 3, 7, [[1, 2, 3, 1], [2, 4, 6, 2], [1, 1, 1, 3]]), "2\n5 5 0\n")
    yield (system(3, 3, 7, [[1, 2, 3, 1], [2, 4, 6, 3], [1, 1, 1, 3]]), "-1\n")
