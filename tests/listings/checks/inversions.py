# Inversion count: empty, one, equal keys (not inversions), extremes, the largest n reversed.
import bisect


def cases(rng):
    yield "0\n"
    yield "1\n5\n"
    yield "4\n7 7 7 7\n"
    yield "3\n2147483647 -2147483648 0\n"
    n = 200000
    yield f"{n}\n" + " ".join(map(str, range(n, 0, -1))) + "\n"
    yield f"{n}\n" + " ".join(str(rng.randint(-10**9, 10**9)) for _ in range(n)) + "\n"
    for _ in range(150):
        n = rng.randint(1, 40)
        hi = rng.choice((2, 10, 2**31 - 1))
        yield f"{n}\n" + " ".join(str(rng.randint(-hi - 1, hi)) for _ in range(n)) + "\n"


def reference(stdin):
    a = list(map(int, stdin.split()))[1:]
    seen, inv = [], 0
    for x in a:  # elements already seen that are strictly greater than x
        inv += len(seen) - bisect.bisect_right(seen, x)
        bisect.insort(seen, x)
    return f"{inv}\n"


def worked_examples():
    yield ("5\n2 4 1 3 5\n", "3\n")
