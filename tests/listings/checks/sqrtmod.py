def cases(rng):
    rows = [(0, 2), (1, 2), (0, 3), (1, 3), (2, 3), (10, 13), (5, 13), (0, 2147483647),
            (2147483646, 2147483647), (4, 998244353), (3, 998244353)]
    small = [p for p in range(2, 400) if all(p % d for d in range(2, p))]
    for _ in range(150):
        p = rng.choice(small)
        rows.append((rng.randrange(p), p))
    for p in (998244353, 1000000007, 2147483647, 167772161, 469762049):  # large 2-parts in p - 1
        for _ in range(6):
            x = rng.randrange(p)
            rows.append((x * x % p, p))
            rows.append((rng.randrange(p), p))
    yield f"{len(rows)}\n" + "".join(f"{a} {p}\n" for a, p in rows)


def check(stdin, stdout):
    nums = [int(v) for v in stdin.split()]
    outs = [int(v) for v in stdout.split()]
    q = nums[0]
    if len(outs) != q:
        raise AssertionError("one answer per query expected")
    for k in range(q):
        a, p = nums[1 + 2 * k], nums[2 + 2 * k]
        x = outs[k]
        if p < 400:  # try every residue
            roots = [y for y in range(p) if y * y % p == a]
            want = min(roots) if roots else -1
            if x != want:
                raise AssertionError(f"a = {a}, p = {p}: expected {want}, got {x}")
            continue
        if x == -1:
            if a == 0 or pow(a, (p - 1) // 2, p) == 1:
                raise AssertionError(f"a = {a} is a square modulo {p}")
            continue
        if not 0 <= x <= p - x or x * x % p != a:
            raise AssertionError(f"a = {a}, p = {p}: {x} is not the smaller root")


def worked_examples():
    yield ("2\n10 13\n5 13\n", "6\n-1\n")
