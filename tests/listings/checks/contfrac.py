from fractions import Fraction


def cases(rng):
    rows = [(0, 1, 1), (1, 2, 1), (5, 5, 1), (7, 3, 1), (1, 3, 2), (10**9, 1, 10**9), (1, 10**9, 10**9),
            (1, 10**9, 1), (999999999, 10**9, 10**9), (314159265, 100000000, 100)]
    for _ in range(400):
        b = rng.randint(1, 50)
        rows.append((rng.randint(0, 3 * b), b, rng.randint(1, 40)))
    for _ in range(100):
        rows.append((rng.randint(0, 10**9), rng.randint(1, 10**9), rng.choice([rng.randint(1, 10**9), rng.randint(1, 1000)])))
    yield f"{len(rows)}\n" + "".join(f"{a} {b} {n}\n" for a, b, n in rows)


def closest(a, b, n):
    x = Fraction(a, b)
    if n <= 40:  # try every denominator, both neighbours of x
        cands = [Fraction(p, q) for q in range(1, n + 1) for p in ((a * q) // b, (a * q) // b + 1)]
        return min(cands, key=lambda f: (abs(x - f), f.denominator, f.numerator))
    best = x.limit_denominator(n)  # the standard library's own search, with its own rule
    # limit_denominator breaks ties its own way; re-decide among the equally close
    d = abs(x - best)
    others = [f for f in (Fraction(2 * x - best).limit_denominator(n),) if abs(x - f) == d and f.denominator <= n]
    return min([best] + others, key=lambda f: (f.denominator, f.numerator))


def reference(stdin):
    nums = [int(v) for v in stdin.split()]
    out = []
    for i in range(nums[0]):
        a, b, n = nums[1 + 3 * i:4 + 3 * i]
        f = closest(a, b, n)
        out.append(f"{f.numerator}/{f.denominator}")
    return "\n".join(out) + "\n"


def worked_examples():
    rows = "3\n314159265 100000000 7\n314159265 100000000 100\n314159265 100000000 1000\n"
    yield (rows, "22/7\n311/99\n355/113\n")
    yield ("2\n1 2 1\n43 30 1000\n", "0/1\n43/30\n")
