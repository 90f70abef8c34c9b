from math import gcd

BIG = 10**18


def system(rows):
    return f"{len(rows)}\n" + "".join(f"{r} {m}\n" for r, m in rows)


def cases(rng):
    yield "0\n"
    yield system([(0, 1)])
    yield system([(BIG - 1, BIG)])
    yield system([(BIG - 1, BIG), (BIG - 1, BIG), (1, 2)])
    yield system([(1, 4), (2, 6), (5, 7)])  # inconsistent early, input read to the end
    for _ in range(40):
        k = rng.randint(1, 5)
        # a hidden answer keeps most systems consistent; some rows are then broken on purpose
        x = rng.randrange(10**6)
        rows = []
        for _ in range(k):
            m = rng.randint(1, 30)
            rows.append((x % m, m))
        if rng.random() < 0.3:
            i = rng.randrange(k)
            m = rows[i][1]
            rows[i] = (rng.randrange(m), m)
        yield system(rows)
    for _ in range(10):
        p = rng.choice([999999937, 1000000007, 998244353])
        q = rng.choice([2**59, 3**37, 10**9 - 1])
        x = rng.randrange(BIG)
        yield system([(x % p, p), (x % q, q)] if p * q // gcd(p, q) <= BIG else [(x % p, p)])


def reference(stdin):
    nums = [int(v) for v in stdin.split()]
    rows = [(nums[1 + 2 * i], nums[2 + 2 * i]) for i in range(nums[0])]
    lcm = 1
    for _, m in rows:
        lcm = lcm * m // gcd(lcm, m)
    if lcm <= 10**5:  # try every residue
        for x in range(lcm):
            if all(x % m == r for r, m in rows):
                return f"{x} {lcm}\n"
        return "-1\n"
    a, M = 0, 1
    for r, m in rows:
        d = gcd(M, m)
        if (r - a) % d:
            return "-1\n"
        step = m // d
        t = (r - a) // d * pow(M // d, -1, step) % step if step > 1 else 0
        a, M = (a + M * t) % (M * step), M * step
    return f"{a} {M}\n"


def worked_examples():
    yield (system([(1, 4), (3, 6), (2, 5)]), "57 60\n")
    yield (system([(1, 4), (2, 6)]), "-1\n")
