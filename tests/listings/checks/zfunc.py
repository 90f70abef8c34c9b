# Substring search with the Z-function: 0-based starts of all
# occurrences, overlapping ones included; a space separates pattern and text inside.


def word(rng, lo, hi, alphabet):
    return "".join(rng.choice(alphabet) for _ in range(rng.randint(lo, hi)))


def cases(rng):
    yield "a a\n"
    yield "a b\n"
    yield "ab abc\n"  # the pattern longer than the text
    yield "aabaaab aab\n"
    yield "#a#b #b\n"  # characters a separator might have been
    yield "a## a#\n"
    yield "a" * 200000 + " " + "aaa\n"  # every window matches
    yield "ab" * 500000 + " " + "ab" * 30 + "a\n"
    yield "a" * 1000000 + " " + "a" * 1000000 + "\n"  # the longest pattern
    for _ in range(40):
        alphabet = rng.choice(["ab", "abc", "a"])
        yield word(rng, 1, 30, alphabet) + " " + word(rng, 1, 5, alphabet) + "\n"


def reference(stdin):
    t, p = stdin.split()
    return "".join(f"{i}\n" for i in range(len(t) - len(p) + 1) if t[i : i + len(p)] == p)


def worked_examples():
    yield ("abacaba aba\n", "0\n4\n")
    yield ("aabxaab aab\n", "0\n4\n")
