# N queens: the number of placements and the lexicographically first one.
import itertools

# Counts past what a permutation scan does quickly (OEIS A000170).
KNOWN = {9: 352, 10: 724, 11: 2680, 12: 14200, 13: 73712}


def cases(rng):
    for n in range(1, 14):
        yield f"{n}\n"


def safe(cols):
    return all(abs(cols[i] - cols[j]) != j - i for i in range(len(cols)) for j in range(i + 1, len(cols)))


def first_solution(n, cols=()):
    if len(cols) == n:
        return cols
    for c in range(n):
        if c not in cols and safe(cols + (c,)):
            found = first_solution(n, cols + (c,))
            if found:
                return found
    return None


def reference(stdin):
    n = int(stdin)
    if n in KNOWN:
        count = KNOWN[n]
    else:
        count = sum(1 for p in itertools.permutations(range(n)) if safe(p))
    first = first_solution(n)
    line = " ".join(str(c + 1) for c in first) if first else "-"
    return f"{count}\n{line}\n"


def worked_examples():
    yield ("4\n", "2\n2 4 1 3\n")
    yield ("8\n", "92\n1 5 8 6 3 7 2 4\n")
    yield ("6\n", "4\n2 4 6 1 3 5\n")
    yield ("3\n", "0\n-\n")
