# Randomised three-way quicksort: empty, one, all equal, sorted, reversed, extremes, random.


def cases(rng):
    yield "0\n"
    yield "1\n-2147483648\n"
    yield "5\n2147483647 -2147483648 0 2147483647 -2147483648\n"
    big = 200000
    yield f"{big}\n" + " ".join(["7"] * big) + "\n"
    yield f"{big}\n" + " ".join(map(str, range(big))) + "\n"
    yield f"{big}\n" + " ".join(map(str, range(big, 0, -1))) + "\n"
    for _ in range(150):
        n = rng.randint(1, 40)
        hi = rng.choice((1, 3, 100, 2**31 - 1))
        a = [rng.randint(-hi - 1, hi) for _ in range(n)]
        yield f"{n}\n" + " ".join(map(str, a)) + "\n"


def reference(stdin):
    nums = list(map(int, stdin.split()))
    a = sorted(nums[1:])
    return " ".join(map(str, a)) + "\n" if a else ""


def worked_examples():
    yield ("8\n3 1 4 1 5 9 2 6\n", "1 1 2 3 4 5 6 9\n")
