MOD = 10**9 + 7


def rec_input(c, a, n):
    return f"{len(c)}\n" + " ".join(map(str, c)) + "\n" + " ".join(map(str, a)) + f"\n{n}\n"


def cases(rng):
    yield rec_input([1, 1], [0, 1], 0)
    yield rec_input([1, 1], [0, 1], 1)
    yield rec_input([1, 1], [0, 1], 2)
    yield rec_input([5], [7], 10**18)
    yield rec_input([MOD - 1] * 10, [MOD - 1] * 10, 10**18)
    yield rec_input([0] * 9 + [1], list(range(10)), 10**18)  # period 10
    for _ in range(30):
        k = rng.randint(1, 10)
        hi = rng.choice([3, MOD - 1])
        yield rec_input([rng.randint(0, hi) for _ in range(k)], [rng.randint(0, hi) for _ in range(k)],
                        rng.choice([rng.randint(0, 300), rng.randint(0, 10**18)]))


def reference(stdin):
    nums = [int(x) for x in stdin.split()]
    k = nums[0]
    c, a, n = nums[1:k + 1], nums[k + 1:2 * k + 1], nums[2 * k + 1]
    if n <= 300:  # run the recurrence
        seq = list(a)
        while len(seq) <= n:
            seq.append(sum(c[i] * seq[-1 - i] for i in range(k)) % MOD)
        return f"{seq[n]}\n"
    # x^n modulo the characteristic polynomial, then a_n = sum of its coefficients times a_i
    def mulmod(p, q):
        r = [0] * (2 * k - 1)
        for i, x in enumerate(p):
            for j, y in enumerate(q):
                r[i + j] += x * y
        for d in range(2 * k - 2, k - 1, -1):  # x^d = sum c_i x^(d-i)
            if r[d]:
                for i in range(1, k + 1):
                    r[d - i] += r[d] * c[i - 1]
        return [v % MOD for v in r[:k]]

    result = [1] + [0] * (k - 1)
    base = [0, 1] + [0] * (k - 2) if k > 1 else [c[0] % MOD]
    e = n
    while e:
        if e & 1:
            result = mulmod(result, base)
        base = mulmod(base, base)
        e >>= 1
    return f"{sum(x * y for x, y in zip(result, a)) % MOD}\n"


def worked_examples():
    yield (rec_input([1, 1], [0, 1], 10), "55\n")
    yield (rec_input([1, 1], [0, 1], 10**18), "209783453\n")
