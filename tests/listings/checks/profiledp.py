import functools

MOD = 10**9 + 7


def cases(rng):
    for n, m in [(1, 1), (1, 2), (2, 1), (3, 3), (1, 10), (2, 10), (1000, 1), (999, 1)]:
        yield f"{n} {m}\n"
    for _ in range(25):
        m = rng.randint(1, 10)
        yield f"{rng.randint(1, max(1, 40 // m))} {m}\n"
    yield "1000 2\n"
    yield "1000 3\n"
    yield "997 2\n"


def search(n, m):
    """Fill the first free cell of the whole board, remembering boards already counted."""
    full = (1 << (n * m)) - 1

    @functools.lru_cache(maxsize=None)
    def go(board):
        if board == full:
            return 1
        c = (~board & (board + 1)).bit_length() - 1  # first free cell
        r, col = divmod(c, m)
        total = 0
        if col + 1 < m and not board >> (c + 1) & 1:
            total += go(board | 3 << c)
        if r + 1 < n:
            total += go(board | 1 << c | 1 << (c + m))
        return total

    return go(0)


def reference(stdin):
    n, m = map(int, stdin.split())
    if n * m <= 60:
        return f"{search(n, m) % MOD}\n"
    if m == 1:
        return "1\n" if n % 2 == 0 else "0\n"
    if m == 2:  # Fibonacci F(n + 1)
        a, b = 1, 1
        for _ in range(n - 1):
            a, b = b, a + b
        return f"{b % MOD}\n"
    if m == 3:  # a(k) = 4 a(k - 2) - a(k - 4) on even k, zero on odd
        if n % 2:
            return "0\n"
        a = [1, 3]
        while len(a) <= n // 2:
            a.append(4 * a[-1] - a[-2])
        return f"{a[n // 2] % MOD}\n"
    raise AssertionError("no reference for this size")


def worked_examples():
    yield ("2 3\n", "3\n")
    yield ("3 4\n", "11\n")
    yield ("8 8\n", "12988816\n")
