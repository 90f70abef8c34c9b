# Point additions and range sums on a changing array.

LIM = 10**9


def make(rng, n, q, lo, hi):
    a = [rng.randint(lo, hi) for _ in range(n)]
    lines = [f"{n} {q}", " ".join(map(str, a))]
    for _ in range(q):
        if rng.random() < 0.5:
            lines.append(f"1 {rng.randint(1, n)} {rng.randint(lo, hi)}")
        else:
            l = rng.randint(1, n)
            lines.append(f"2 {l} {rng.randint(l, n)}")
    return "\n".join(lines) + "\n"


def cases(rng):
    yield "1 3\n7\n2 1 1\n1 1 -7\n2 1 1\n"
    for _ in range(40):
        n = rng.choice([1, 2, 3, 7, 8, 9, 16, 17, rng.randint(1, 40)])
        yield make(rng, n, rng.randint(1, 30), -10, 10)
    # the largest values: sums of 4e5 terms of 1e9 leave 32 bits
    n = 200000
    yield f"{n} 1000\n" + " ".join([str(LIM)] * n) + "\n" + \
        "".join(f"1 {(k * 7919) % n + 1} {LIM}\n" if k % 2 else f"2 1 {n}\n" for k in range(1000))


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
            a[x] += y
        else:
            out.append(str(sum(a[x:y + 1])))
    return "".join(s + "\n" for s in out)


def worked_examples():
    yield ("8 3\n5 2 9 -3 5 20 10 -8\n2 1 7\n1 3 4\n2 3 7\n", "48\n45\n")
