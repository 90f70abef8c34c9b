# lower_bound and the search on it: empty, duplicates, values below/above all, the int range.
import bisect


def instances(rng):
    yield [], [0]
    yield [1], [0, 1, 2]
    yield [3, 3, 3], [2, 3, 4]
    yield [-2**31, -2**31, 2**31 - 1], [-2**31, 0, 2**31 - 1]
    yield list(range(0, 200000, 2)), [0, 1, 199998, 199999, -1]
    for _ in range(120):
        a = sorted(rng.randint(-8, 8) for _ in range(rng.randint(0, 30)))
        yield a, [rng.randint(-9, 9) for _ in range(6)]


def text(a, qs):
    return f"{len(a)}\n{' '.join(map(str, a))}\n{len(qs)}\n{' '.join(map(str, qs))}\n"


def cases(rng):
    for a, qs in instances(rng):
        yield text(a, qs)


def reference(stdin):
    t = list(map(int, stdin.split()))
    a, qs = t[1:1 + t[0]], t[2 + t[0]:]
    out = []
    for x in qs:
        i = bisect.bisect_left(a, x)
        out.append(f"{i} {i if i < len(a) and a[i] == x else -1}\n")
    return "".join(out)


def worked_examples():
    yield (text([1, 3, 3, 5, 8, 13], [3, 4]), "1 1\n3 -1\n")
