# The printed order must be a permutation achieving the printed lateness, and that value
# must be the optimum (every order tried for small n).
from itertools import permutations


def parse(stdin):
    nums = list(map(int, stdin.split()))
    return [(nums[i], nums[i + 1]) for i in range(1, len(nums), 2)]


def max_late(jobs, order):
    now = worst = 0
    for i in order:
        t, d = jobs[i]
        now += t
        worst = max(worst, now - d)
    return worst


def cases(rng):
    yield "0\n"
    yield "1\n10000 0\n"
    yield "2\n1 100\n10 10\n"
    yield "2\n1 2\n10 10\n"
    n = 100000
    yield f"{n}\n" + "".join(f"10000 {rng.randint(0, 10**9)}\n" for _ in range(n))
    for _ in range(150):
        n = rng.randint(1, 7)
        yield f"{n}\n" + "".join(f"{rng.randint(1, 6)} {rng.randint(0, 20)}\n" for _ in range(n))


def check(stdin, stdout):
    jobs = parse(stdin)
    lines = stdout.split("\n")
    value = int(lines[0])
    order = [int(x) - 1 for x in lines[1].split()] if len(lines) > 1 else []
    if sorted(order) != list(range(len(jobs))):
        raise AssertionError("not a permutation of the jobs")
    if max_late(jobs, order) != value:
        raise AssertionError(f"order gives {max_late(jobs, order)}, printed {value}")
    if len(jobs) <= 7:
        best = min(max_late(jobs, p) for p in permutations(range(len(jobs))))
    else:
        best = max_late(jobs, sorted(range(len(jobs)), key=lambda i: jobs[i][1]))
    if value != best:
        raise AssertionError(f"{value} printed, {best} possible")


def worked_examples():
    yield ("6\n3 6\n2 8\n1 9\n4 9\n3 14\n2 15\n", "1\n1 2 3 4 5 6\n")
