# Occurrences (overlapping) of each of several patterns in a text.


def count(text, p):
    c = 0
    i = text.find(p)
    while i >= 0:
        c += 1
        i = text.find(p, i + 1)
    return c


def make(pats, text):
    return f"{len(pats)}\n" + "".join(p + "\n" for p in pats) + text + "\n"


def word(rng, alpha, lo, hi):
    return "".join(rng.choice(alpha) for _ in range(rng.randint(lo, hi)))


def cases(rng):
    yield make(["a"], "")
    yield make([], "abc")
    yield make(["a", "a", "aa", "aaa"], "aaaa")
    yield make(["z", "az", "zz"], "azzza")
    for _ in range(40):
        alpha = rng.choice(["ab", "abc", "xyz"])
        pats = [word(rng, alpha, 1, 5) for _ in range(rng.randint(1, 8))]
        yield make(pats, word(rng, alpha, 0, 60))
    yield make(["a", "b", "ab"], "a" * 1000000)             # the longest text
    text = word(rng, "ab", 200000, 200000)                  # the longest patterns
    yield make([text[i:i + 49000] for i in (0, 150000)] + ["b" * 40, "a"], text)


def reference(stdin):
    t = stdin.split("\n")
    k = int(t[0])
    pats = t[1:1 + k]
    text = t[1 + k].strip() if len(t) > 1 + k else ""
    return "".join(f"{count(text, p)}\n" for p in pats)


def worked_examples():
    yield (make(["ab", "bab", "b", "abc"], "ababcab"), "3\n1\n3\n1\n")
