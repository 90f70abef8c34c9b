# The largest subset sum not above S, for up to 40 numbers. The reference tries every subset
# of small inputs; the large ones are built so that the answer is known.


def fmt(S, a):
    return f"{len(a)} {S}\n" + " ".join(map(str, a)) + "\n"


def cases(rng):
    yield "0 0\n\n"
    yield "0 5\n\n"
    yield fmt(0, [3, 4])
    yield fmt(2, [3])
    yield fmt(3, [3])
    yield fmt(10**18, [10**15] * 40)                         # everything fits: 4 * 10^16
    yield fmt(0, [0, 0, 0])
    # distinct powers of two, all doubled: every even number below the total is a sum
    a = [2 << i for i in range(40)]
    rng.shuffle(a)
    yield fmt(2 * rng.randint(1, 2**39) + 1, a)
    for _ in range(100):
        n = rng.randint(1, 12)
        hi = rng.choice([5, 100, 10**15])
        a = [rng.randint(0, hi) for _ in range(n)]
        yield fmt(rng.randint(0, sum(a) + 1), a)


def reference(stdin):
    v = [int(x) for x in stdin.split()]
    n, S, a = v[0], v[1], v[2:]
    if n == 40 and a.count(10**15) == 40:
        return f"{4 * 10**16}\n"
    if n == 40:                       # doubled powers of two, S odd
        return f"{min(S - 1, sum(a))}\n"
    sums = {0}
    for x in a:
        sums |= {s + x for s in sums}
    return f"{max(s for s in sums if s <= S)}\n"


def worked_examples():
    yield ("6 70\n12 18 27 33 45 21\n", "66\n")
    yield ("6 72\n12 18 27 33 45 21\n", "72\n")
