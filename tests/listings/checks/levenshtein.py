# Edit distance between two UTF-8 words, counted in letters (code points), not in bytes.


def word(rng, alphabet, lo, hi):
    return "".join(rng.choice(alphabet) for _ in range(rng.randint(lo, hi)))


def cases(rng):
    yield "a a\n"
    yield "a b\n"
    yield "ё е\n"  # two-byte letters differing in both bytes
    yield "е о\n"  # ... and in the last byte only: one replacement, not two
    yield "€𝄞 𝄞€\n"  # three- and four-byte letters
    yield "я" * 5000 + " " + "юя" * 10 + "\n"  # the longest word: 10000 bytes
    yield "ab" * 5000 + " " + "b" * 20 + "\n"  # 10000 single-byte letters
    for _ in range(40):
        alphabet = rng.choice(["ab", "кошао", "aбв€"])
        yield word(rng, alphabet, 1, 10) + " " + word(rng, alphabet, 1, 10) + "\n"


def reference(stdin):
    a, b = stdin.split()
    prev = list(range(len(b) + 1))
    for i, x in enumerate(a, 1):
        cur = [i]
        for j, y in enumerate(b, 1):
            cur.append(min(prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + (x != y)))
        prev = cur
    return f"{prev[-1]}\n"


def worked_examples():
    yield ("кошка окошко\n", "2\n")
    yield ("kitten sitting\n", "3\n")
