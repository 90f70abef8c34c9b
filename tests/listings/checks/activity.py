# Any optimal set is right: the chosen requests must exist, be pairwise compatible
# (half-open, touching allowed) and be as many as the optimum found independently.
from bisect import bisect_right


def parse(stdin):
    nums = list(map(int, stdin.split()))
    return [(nums[i], nums[i + 1]) for i in range(1, len(nums), 2)]


def optimum(reqs):
    # Weighted-interval recurrence with unit weights: best[k] over the first k by finish.
    reqs = sorted(reqs, key=lambda r: r[1])
    ends = [f for _, f in reqs]
    best = [0] * (len(reqs) + 1)
    for k, (s, f) in enumerate(reqs, 1):
        best[k] = max(best[k - 1], best[bisect_right(ends, s, 0, k - 1)] + 1)
    return best[-1]


def cases(rng):
    yield "0\n"
    yield "1\n0 1000000000\n"
    yield "3\n1 4\n4 6\n1 4\n"
    yield "3\n0 5\n4 7\n6 10\n"
    n = 100000
    yield f"{n}\n" + "".join(f"{i} {i + 1}\n" for i in range(n))
    yield f"{n}\n" + "".join(f"{s} {s + rng.randint(1, 50000)}\n"
                             for s in (rng.randint(0, 999900000) for _ in range(n)))
    for _ in range(150):
        n = rng.randint(1, 12)
        rows = []
        for _ in range(n):
            s = rng.randint(0, 20)
            rows.append(f"{s} {s + rng.randint(1, 8)}\n")
        yield f"{n}\n" + "".join(rows)


def check(stdin, stdout):
    reqs = parse(stdin)
    lines = stdout.split("\n")
    k = int(lines[0])
    ids = list(map(int, lines[1].split())) if len(lines) > 1 else []
    if len(ids) != k or len(set(ids)) != k:
        raise AssertionError(f"{k} announced, {len(ids)} listed")
    if any(not 1 <= i <= len(reqs) for i in ids):
        raise AssertionError("no such request")
    chosen = sorted(reqs[i - 1] for i in ids)
    for (s1, f1), (s2, f2) in zip(chosen, chosen[1:]):
        if f1 > s2:
            raise AssertionError(f"[{s1}, {f1}) and [{s2}, {f2}) overlap")
    if k != optimum(reqs):
        raise AssertionError(f"{k} chosen, {optimum(reqs)} possible")


def worked_examples():
    yield ("11\n1 4\n3 5\n0 6\n5 7\n3 9\n5 9\n6 10\n8 11\n8 12\n2 14\n12 16\n",
           "4\n1 4 8 11\n")
