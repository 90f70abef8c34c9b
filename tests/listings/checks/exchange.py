# Weighted completion time: every order tried for small n, exact ratios for large n.
from fractions import Fraction
from itertools import permutations


def cost(order):
    time = total = 0
    for t, w in order:
        time += t
        total += w * time
    return total


def cases(rng):
    yield "0\n"
    yield "1\n10000 10000\n"
    yield "3\n1 1\n2 2\n3 3\n"
    n = 100000
    yield f"{n}\n" + "10000 10000\n" * n
    yield f"{n}\n" + "".join(f"{rng.randint(1, 10000)} {rng.randint(1, 10000)}\n" for _ in range(n))
    for _ in range(150):
        n = rng.randint(1, 7)
        hi = rng.choice((3, 10, 10000))
        yield f"{n}\n" + "".join(f"{rng.randint(1, hi)} {rng.randint(1, hi)}\n" for _ in range(n))


def reference(stdin):
    nums = list(map(int, stdin.split()))
    jobs = [(nums[i], nums[i + 1]) for i in range(1, len(nums), 2)]
    if len(jobs) <= 7:
        best = min(cost(p) for p in permutations(jobs))
    else:
        best = cost(sorted(jobs, key=lambda j: Fraction(j[0], j[1])))
    return f"{best}\n"


def worked_examples():
    yield ("3\n3 1\n1 2\n2 2\n", "14\n")
