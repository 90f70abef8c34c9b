# The transform of a word and the word restored from it.
import functools


def cases(rng):
    yield ""
    yield "a\n"
    yield "abab\n"
    yield "baba\n"
    for _ in range(40):
        n = rng.randint(1, 40)
        alpha = rng.choice(["a", "ab", "abc", "nasz"])
        yield "".join(rng.choice(alpha) for _ in range(n)) + "\n"
    yield "a" * 100000 + "\n"
    yield "".join(rng.choice("ab") for _ in range(30000)) + "\n"


def reference(stdin):
    s = stdin.strip()
    t = s + "$"
    n = len(t)
    if len(s) > 1000 and s == s[0] * len(s):
        last = s + "$"                     # rows: $a..a, then a$..., a..a$ ; last column a..a$
    else:
        def cmp(a, b):                      # rotations compared a chunk at a time
            tt = t + t
            for d in range(0, n, 64):
                x, y = tt[a + d:a + d + 64][:n - d], tt[b + d:b + d + 64][:n - d]
                if x != y:
                    return -1 if x < y else 1
            return 0
        rows = sorted(range(n), key=functools.cmp_to_key(cmp))
        last = "".join(t[(i - 1) % n] for i in rows)
    return f"{last}\n{s}\n"


def worked_examples():
    yield ("ananas\n", "s$nnaaa\nananas\n")
    yield ("kakao\n", "okk$aa\nkakao\n")
