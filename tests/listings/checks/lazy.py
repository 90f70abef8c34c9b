# Range additions and range sums.

LIM = 10**6


def make(rng, n, q, lo, hi):
    lines = [f"{n} {q}", " ".join(str(rng.randint(lo, hi)) for _ in range(n))]
    for _ in range(q):
        l = rng.randint(1, n)
        r = rng.randint(l, n)
        if rng.random() < 0.5:
            lines.append(f"1 {l} {r} {rng.randint(lo, hi)}")
        else:
            lines.append(f"2 {l} {r}")
    return "\n".join(lines) + "\n"


def cases(rng):
    yield "1 3\n4\n1 1 1 -4\n2 1 1\n2 1 1\n"
    for _ in range(40):
        n = rng.choice([1, 2, 3, 5, 8, 9, rng.randint(1, 40)])
        yield make(rng, n, rng.randint(1, 30), -5, 5)
    # the largest sums the text claims: every addition covers everything
    n = 100000
    yield f"{n} 2000\n" + " ".join([str(LIM)] * n) + "\n" + \
        "".join(f"1 1 {n} {LIM}\n" if k % 2 else f"2 1 {n}\n" for k in range(2000))


def reference(stdin):
    t = stdin.split()
    n, q = int(t[0]), int(t[1])
    a = [0] + list(map(int, t[2:2 + n]))
    pos = 2 + n
    out = []
    for _ in range(q):
        if t[pos] == "1":
            l, r, x = int(t[pos + 1]), int(t[pos + 2]), int(t[pos + 3])
            pos += 4
            if l == 1 and r == n:
                a[0] += x          # a shared offset keeps the large case fast
                continue
            for i in range(l, r + 1):
                a[i] += x
        else:
            l, r = int(t[pos + 1]), int(t[pos + 2])
            pos += 3
            out.append(str(sum(a[l:r + 1]) + a[0] * (r - l + 1)))
    return "".join(s + "\n" for s in out)


def worked_examples():
    yield ("5 5\n1 2 3 4 5\n1 2 4 10\n2 1 5\n2 3 5\n1 1 3 -5\n2 2 3\n", "45\n32\n15\n")
