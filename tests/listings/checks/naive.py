# Naive search, Pascal: the text and the pattern are whole lines; 1-based starts, then the count.


def word(rng, lo, hi, alphabet="ab"):
    return "".join(rng.choice(alphabet) for _ in range(rng.randint(lo, hi)))


def cases(rng):
    yield "abc\n\n"  # an empty pattern occurs at every position, one past the end included
    yield "\nab\n"  # a pattern longer than the text
    yield "\n\n"
    yield "a b a b\nb a\n"  # spaces are ordinary characters in a line
    yield "a" * 5000 + "\n" + "a" * 60 + "b\n"  # the worst case the text builds
    for _ in range(40):
        yield word(rng, 0, 25, rng.choice(["ab", "abc ", "a"])) + "\n" + word(rng, 0, 4, "ab") + "\n"


def reference(stdin):
    t, p = stdin.split("\n")[:2]
    hits = [i + 1 for i in range(len(t) - len(p) + 1) if t[i : i + len(p)] == p]
    return "".join(f"{i}\n" for i in hits) + f"total: {len(hits)}\n"


def worked_examples():
    yield ("abracadabra\nabra\n", "1\n8\ntotal: 2\n")
    yield ("aaaa\naa\n", "1\n2\n3\ntotal: 3\n")
