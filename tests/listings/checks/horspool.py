# Every occurrence of a pattern in a text.


def make(p, t):
    return f"{p}\n{t}\n"


def cases(rng):
    yield make("a", "")
    yield make("abc", "ab")
    yield make("aa", "aaaa")
    yield make("abab", "abababab")
    yield make("\u044f\u0431", "\u0430\u044f\u0431\u044f\u0431")   # bytes above 127
    for _ in range(40):
        alpha = rng.choice(["ab", "abc", "abcdefgh"])
        p = "".join(rng.choice(alpha) for _ in range(rng.randint(1, 5)))
        t = "".join(rng.choice(alpha) for _ in range(rng.randint(0, 60)))
        yield make(p, t)
    yield make("b" + "a" * 99, "a" * 200000)                 # the slow case
    yield make("a", "a" * 1000000)                           # the most occurrences


def reference(stdin):
    b = stdin.encode()
    p, t = b.split(b"\n")[0], b.split(b"\n")[1]
    found = [i for i in range(len(t) - len(p) + 1) if t.startswith(p, i)]
    return f"{len(found)}\n" + "".join(f"{i} " for i in found) + "\n"


def worked_examples():
    yield (make("cab", "abcabxcabcab"), "3\n2 6 9\n")
