# Trie of lowercase words: "word w" says whether w was inserted, "prefix w" counts words starting with w.


def word(rng, alphabet, lo, hi):
    return "".join(rng.choice(alphabet) for _ in range(rng.randint(lo, hi)))


def make(words, queries):
    return f"{len(words)}\n" + "".join(w + "\n" for w in words) + f"{len(queries)}\n" + "".join(
        f"{c} {w}\n" for c, w in queries
    )


def cases(rng):
    yield make([], [("word", "a"), ("prefix", "a")])
    yield make(["a", "a"], [("word", "a"), ("prefix", "a")])  # a word twice counts twice
    yield make(["ab"], [("word", "AB"), ("prefix", "A"), ("word", "a-")])  # letters outside the alphabet
    yield make(["z" * 100], [("word", "z" * 100), ("prefix", "z" * 99)])  # the longest word
    # the largest dictionary: 1000 words of 100 letters, 10^5 letters in all
    big = [word(rng, "abcdefghijklmnopqrstuvwxyz", 100, 100) for _ in range(1000)]
    yield make(big, [("prefix", w[:3]) for w in big[:50]] + [("word", w) for w in big[:50]])
    for _ in range(40):
        alphabet = rng.choice(["ab", "abc", "xyz"])
        words = [word(rng, alphabet, 1, 5) for _ in range(rng.randint(0, 12))]
        queries = [(rng.choice(["word", "prefix"]), word(rng, alphabet, 1, 5)) for _ in range(rng.randint(1, 12))]
        yield make(words, queries)


def reference(stdin):
    lines = stdin.split("\n")
    n = int(lines[0])
    words = lines[1 : n + 1]
    out = []
    for line in lines[n + 2 : n + 2 + int(lines[n + 1])]:
        c, w = line.split()
        if c == "word":
            out.append("yes" if w in words else "no")
        else:
            out.append(str(sum(x.startswith(w) for x in words)))
    return "".join(x + "\n" for x in out)


def worked_examples():
    yield (make(["car", "cart", "cat", "dog"], [("prefix", "ca"), ("word", "car"), ("word", "ca")]), "3\nyes\nno\n")
