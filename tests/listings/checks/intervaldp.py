import functools
import re


def cases(rng):
    yield "1\n7 9\n"
    yield "2\n10000 10000 10000\n"
    yield "3\n10 30 5 60\n"
    yield "5\n1 1 1 1 1 1\n"
    for _ in range(40):
        n = rng.randint(1, 9)
        hi = rng.choice([3, 50, 10000])
        yield f"{n}\n" + " ".join(str(rng.randint(1, hi)) for _ in range(n + 1)) + "\n"
    # the largest input the text allows, all sizes at the maximum
    yield "200\n" + " ".join(["10000"] * 201) + "\n"


def min_cost(p):
    n = len(p) - 1

    @functools.lru_cache(maxsize=None)
    def best(i, j):
        if i == j:
            return 0
        return min(best(i, k) + best(k + 1, j) + p[i - 1] * p[k] * p[j] for k in range(i, j))

    if n > 20:  # every bracketing of equal sizes costs the same
        return (n - 1) * p[0] ** 3
    return best(1, n)


def check(stdin, stdout):
    nums = [int(x) for x in stdin.split()]
    n, p = nums[0], nums[1:]
    lines = stdout.split("\n")
    cost = int(lines[0])
    expr = lines[1].strip()
    want = min_cost(p)
    if cost != want:
        raise AssertionError(f"cost {cost}, expected {want}")
    # evaluate the printed bracketing: it must multiply A1..An in order, at the printed cost
    tokens = re.findall(r"\(|\)|A\d+", expr)
    if "".join(tokens) != expr:
        raise AssertionError(f"unexpected text in {expr!r}")
    stack = []
    total = 0
    for t in tokens:
        if t == "(":
            stack.append(t)
        elif t == ")":
            if len(stack) < 3 or stack[-3] != "(":
                raise AssertionError(f"bad bracketing {expr!r}")
            (a, b), (c, d) = stack[-2], stack[-1]
            if b != c:
                raise AssertionError(f"bad bracketing {expr!r}")
            total += p[a] * p[b] * p[d]
            del stack[-3:]
            stack.append((a, d))
        else:
            k = int(t[1:])
            stack.append((k - 1, k))
    if stack != [(0, n)]:
        raise AssertionError(f"not a product of A1..A{n}: {expr!r}")
    if total != cost:
        raise AssertionError(f"bracketing costs {total}, printed {cost}")


def worked_examples():
    yield ("4\n5 10 3 12 5\n", "405\n((A1A2)(A3A4))\n")
