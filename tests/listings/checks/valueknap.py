import itertools


def items_input(cap, items):
    return f"{len(items)} {cap}\n" + "".join(f"{w} {c}\n" for w, c in items)


def cases(rng):
    yield items_input(0, [(1, 5)])
    yield items_input(10**9, [(10**9, 1000)])
    yield items_input(10**9, [(10**9 + 1, 1000), (1, 0)])
    yield items_input(5, [(5, 7), (5, 7), (5, 7)])
    for _ in range(35):
        n = rng.randint(1, 12)
        wh = rng.choice([5, 10**9])
        ch = rng.choice([0, 3, 1000])
        items = [(rng.randint(1, wh), rng.randint(0, ch)) for _ in range(n)]
        yield items_input(rng.randint(0, wh * n // 2), items)
    # the largest table: 100 items of value 1000, all of one weight
    yield items_input(37 * 10**7, [(10**7, 1000) for _ in range(100)])


def check(stdin, stdout):
    nums = [int(v) for v in stdin.split()]
    n, cap = nums[0], nums[1]
    items = [(nums[2 + 2 * i], nums[3 + 2 * i]) for i in range(n)]
    lines = stdout.split("\n")
    value = int(lines[0])
    chosen = [int(v) for v in lines[1].split()] if len(lines) > 1 else []
    if len(set(chosen)) != len(chosen) or any(not 1 <= i <= n for i in chosen) or chosen != sorted(chosen):
        raise AssertionError("items must be distinct numbers in increasing order")
    if sum(items[i - 1][0] for i in chosen) > cap:
        raise AssertionError("the chosen items do not fit")
    if sum(items[i - 1][1] for i in chosen) != value:
        raise AssertionError("the chosen items are not worth the printed value")
    if n > 20:  # equal weights: the heaviest count that fits, most valuable first
        fit = min(n, cap // items[0][0])
        want = sum(sorted((c for _, c in items), reverse=True)[:fit])
    else:
        want = max(sum(c for _, c in s) for r in range(n + 1) for s in itertools.combinations(items, r)
                   if sum(w for w, _ in s) <= cap)
    if value != want:
        raise AssertionError(f"value {value}, expected {want}")


def worked_examples():
    items = [(5 * 10**8, 6), (4 * 10**8, 5), (4 * 10**8, 5), (3 * 10**8, 2)]
    yield (items_input(10**9, items), "11\n1 2\n")
