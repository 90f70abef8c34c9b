# Point assignment and range minimum.

LIM = 10**9


def make(rng, n, q, lo, hi):
    lines = [f"{n} {q}", " ".join(str(rng.randint(lo, hi)) for _ in range(n))]
    for _ in range(q):
        if rng.random() < 0.4:
            lines.append(f"1 {rng.randint(1, n)} {rng.randint(lo, hi)}")
        else:
            l = rng.randint(1, n)
            lines.append(f"2 {l} {rng.randint(l, n)}")
    return "\n".join(lines) + "\n"


def cases(rng):
    yield "1 2\n5\n2 1 1\n2 1 1\n"
    yield f"3 3\n{LIM} {-LIM} {LIM}\n2 1 3\n1 2 {LIM}\n2 1 3\n"
    yield "2 1\n2147483647 2147483647\n2 1 2\n"
    for _ in range(40):
        n = rng.choice([1, 2, 3, 5, 6, 7, 8, 9, rng.randint(1, 50)])
        yield make(rng, n, rng.randint(1, 30), -5, 5)
    yield make(rng, 200000, 1000, -LIM, LIM)


def reference(stdin):
    t = stdin.split()
    n, q = int(t[0]), int(t[1])
    a = [0] + list(map(int, t[2:2 + n]))
    pos = 2 + n
    out = []
    for _ in range(q):
        k, x, y = int(t[pos]), int(t[pos + 1]), int(t[pos + 2])
        pos += 3
        if k == 1:
            a[x] = y
        else:
            out.append(f"{min(a[x:y + 1])}\n")
    return "".join(out)


def worked_examples():
    yield ("6 4\n5 3 8 6 1 4\n2 2 5\n1 5 9\n2 2 5\n2 4 6\n", "1\n3\n4\n")
