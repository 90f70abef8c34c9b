from fractions import Fraction


def cases(rng):
    for row in ["1 1", "1 100", "2 2", "100 1", "6 6", "7 6", "200000 100", "1000000 1", "300000 2"]:
        yield row + "\n"
    for _ in range(30):
        yield f"{rng.randint(1, 60)} {rng.randint(1, 12)}\n"


def expected(n, m):
    if n > 2000:  # floating point with the window recomputed every step: slow but plain
        if m == 1:
            return float(n)
        e = [0.0] * (n + 1)
        for i in range(n - 1, -1, -1):
            lo, hi = i + 1, min(i + m, n)
            e[i] = (m + sum(e[lo:hi + 1])) / (m - max(0, i + m - n))
        return e[0]
    e = [Fraction(0)] * (n + 1)  # exact rationals
    for i in range(n - 1, -1, -1):
        s = sum(e[i + d] for d in range(1, m + 1) if i + d <= n)
        e[i] = (m + s) / (m - max(0, i + m - n))
    return e[0]


def check(stdin, stdout):
    n, m = map(int, stdin.split())
    got = float(stdout.split()[0])
    want = float(expected(n, m))
    if abs(got - want) > 1e-6 * max(1.0, abs(want)):
        raise AssertionError(f"expected {want:.6f}")


def worked_examples():
    yield ("10 6\n", "7.587963\n")
    yield ("2 2\n", "2.000000\n")
