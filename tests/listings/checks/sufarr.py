# The suffix array of a lowercase word.
import functools


def cases(rng):
    yield ""
    yield "a\n"
    yield "aaaaaaaa\n"
    yield "ab\n"
    yield "ba\n"
    for _ in range(40):
        n = rng.randint(1, 40)
        alpha = "ab" if rng.random() < 0.5 else "abcz"
        yield "".join(rng.choice(alpha) for _ in range(n)) + "\n"
    yield "a" * 100000 + "\n"
    yield "".join(rng.choice("ab") for _ in range(30000)) + "\n"


def reference(stdin):
    s = stdin.strip()
    n = len(s)
    if n > 1 and s == s[0] * n:
        order = range(n - 1, -1, -1)    # one letter: shorter suffixes first
    else:
        def cmp(a, b):                  # suffixes compared a chunk at a time
            for d in range(0, n, 64):
                x, y = s[a + d:a + d + 64], s[b + d:b + d + 64]
                if x != y:
                    return -1 if x < y else 1
            return 0
        order = sorted(range(n), key=functools.cmp_to_key(cmp))
    return " ".join(map(str, order)) + "\n"


def worked_examples():
    yield ("abacaba\n", "6 4 0 2 5 1 3\n")
