# Word counts: no words, one word, many repeats, far more words than buckets.
def texts(rng):
    yield ""
    yield "a\n"
    yield "x " * 500 + "\n"
    yield " ".join(f"w{i % 5000}" for i in range(15000)) + "\n"
    for _ in range(120):
        alphabet = rng.choice(("ab", "abc", "abcdefghij"))
        yield " ".join("".join(rng.choice(alphabet) for _ in range(rng.randint(1, 4)))
                       for _ in range(rng.randint(0, 40))) + "\n"


def cases(rng):
    yield from texts(rng)


def reference(stdin):
    counts = {}
    for w in stdin.split():
        counts[w] = counts.get(w, 0) + 1
    return "".join(f"{w} {c}\n" for w, c in counts.items())


def worked_examples():
    yield ("мама мыла раму мама\n", "мама 2\nмыла 1\nраму 1\n")
