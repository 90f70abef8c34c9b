# Exact optimum as a reduced fraction. The reference fills by ratio with Fraction
# arithmetic for large n and, for small n, also tries every order of filling, which
# covers every way of choosing the one split item.
from fractions import Fraction
from itertools import permutations


def fill(cap, items):
    total = Fraction(0)
    for w, v in items:
        take = min(cap, w)
        total += Fraction(v * take, w)
        cap -= take
    return total


def fmt(x):
    return f"{x.numerator}\n" if x.denominator == 1 else f"{x.numerator}/{x.denominator}\n"


def cases(rng):
    yield "0 0\n"
    yield "0 100\n"
    yield "1 0\n5 7\n"
    yield "2 5\n3 0\n4 0\n"
    yield "1 1000000000\n1000000 1000000\n"
    yield "2 999999\n1000000 999999\n1000000 1000000\n"
    n = 100000
    yield f"{n} 1000000000\n" + "1000000 1000000\n" * n
    yield f"{n} 50000000\n" + "".join(f"{rng.randint(1, 10**6)} {rng.randint(0, 10**6)}\n"
                                      for _ in range(n))
    for _ in range(150):
        n = rng.randint(1, 5)
        cap = rng.randint(0, 25)
        yield f"{n} {cap}\n" + "".join(f"{rng.randint(1, 9)} {rng.randint(0, 20)}\n"
                                       for _ in range(n))


def reference(stdin):
    nums = list(map(int, stdin.split()))
    n, cap = nums[0], nums[1]
    items = [(nums[i], nums[i + 1]) for i in range(2, 2 + 2 * n, 2)]
    if n <= 5:
        return fmt(max((fill(cap, p) for p in permutations(items)), default=Fraction(0)))
    return fmt(fill(cap, sorted(items, key=lambda it: Fraction(it[1], it[0]), reverse=True)))


def worked_examples():
    yield ("4 10\n4 20\n3 18\n5 14\n2 4\n", "232/5\n")
    yield ("4 8\n4 20\n3 18\n5 14\n2 4\n", "204/5\n")
