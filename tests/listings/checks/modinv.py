from math import gcd

BIG = 10**18


def cases(rng):
    rows = ["0 0 1", "0 0 7", "0 3 7", "1 0 2", "6 4 9", "14 30 100",
            f"{BIG - 1} 1 {BIG}", f"{BIG - 2} {BIG - 4} {BIG}", f"0 0 {BIG}",
            "999999999999999988 1 999999999999999989"]
    for _ in range(300):
        m = rng.randint(1, 60)
        rows.append(f"{rng.randrange(m)} {rng.randrange(m)} {m}")
    for _ in range(300):
        m = rng.randint(1, BIG)
        g = rng.choice([1, 1, 2, 6, 1024])
        a = rng.randrange(m) // g * g
        b = rng.randrange(m) // g * g
        rows.append(f"{a} {b} {m}")
    yield f"{len(rows)}\n" + "\n".join(rows) + "\n"
    yield "0\n"


def solve(a, b, m):
    if m <= 60:  # try every residue
        xs = [x for x in range(m) if (a * x - b) % m == 0]
        if not xs:
            return "-1"
        return f"{xs[0]} {xs[1] - xs[0] if len(xs) > 1 else m}"
    d = gcd(a, m)
    if b % d:
        return "-1"
    step = m // d
    return f"{(b // d) * pow(a // d, -1, step) % step if step > 1 else 0} {step}"


def reference(stdin):
    nums = [int(x) for x in stdin.split()]
    return "".join(solve(*nums[1 + 3 * i:4 + 3 * i]) + "\n" for i in range(nums[0]))


def worked_examples():
    yield ("3\n14 30 100\n6 4 9\n3 1 7\n", "45 50\n-1\n5 7\n")
