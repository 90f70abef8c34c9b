# Sums over ranges of a fixed array.

LIM = 10**9


def make(rng, n, q, lo, hi):
    a = [rng.randint(lo, hi) for _ in range(n)]
    qs = []
    for _ in range(q):
        l = rng.randint(1, n)
        qs.append((l, rng.randint(l, n)))
    return f"{n} {q}\n" + " ".join(map(str, a)) + "\n" + "".join(f"{l} {r}\n" for l, r in qs)


def cases(rng):
    yield "0 0\n\n"
    yield "1 1\n-7\n1 1\n"
    yield "3 3\n5 5 5\n1 3\n2 2\n1 1\n"
    for _ in range(40):
        n = rng.randint(1, 30)
        yield make(rng, n, rng.randint(0, 20), -10, 10)
    # the largest input the text allows: the sum leaves 32 bits
    yield make(rng, 200000, 100, LIM, LIM)
    yield make(rng, 200000, 100, -LIM, LIM)


def reference(stdin):
    t = stdin.split()
    n, q = int(t[0]), int(t[1])
    a = list(map(int, t[2:2 + n]))
    qs = t[2 + n:]
    out = []
    for k in range(q):
        l, r = int(qs[2 * k]), int(qs[2 * k + 1])
        out.append(str(sum(a[l - 1:r])))
    return "\n".join(out) + ("\n" if out else "")


def worked_examples():
    yield ("7 3\n3 -1 4 1 5 9 2\n2 5\n1 7\n4 4\n", "9\n23\n1\n")
