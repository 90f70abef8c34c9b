# Range minimum on a fixed array.

LIM = 10**9


def make(rng, n, q, lo, hi, long_only=False):
    lines = [f"{n} {q}", " ".join(str(rng.randint(lo, hi)) for _ in range(n))]
    for _ in range(q):
        if long_only:
            l = rng.randint(1, 10)
            r = rng.randint(n - 10, n)
        else:
            l = rng.randint(1, n)
            r = rng.randint(l, n)
        lines.append(f"{l} {r}")
    return "\n".join(lines) + "\n"


def cases(rng):
    yield "1 1\n-3\n1 1\n"
    yield "2 3\n7 7\n1 1\n1 2\n2 2\n"
    for _ in range(40):
        n = rng.choice([1, 2, 3, 4, 5, 7, 8, 9, 16, 17, rng.randint(1, 70)])
        yield make(rng, n, rng.randint(1, 30), -5, 5)
    yield make(rng, 200000, 40, -LIM, LIM, long_only=True)
    yield make(rng, 131072, 20, -LIM, LIM, long_only=True)


def reference(stdin):
    t = stdin.split()
    n, q = int(t[0]), int(t[1])
    a = [0] + list(map(int, t[2:2 + n]))
    qs = t[2 + n:]
    return "".join(f"{min(a[int(qs[2 * k]):int(qs[2 * k + 1]) + 1])}\n" for k in range(q))


def worked_examples():
    yield ("8 3\n4 6 1 5 7 3 8 2\n2 7\n4 8\n5 6\n", "1\n2\n3\n")
