# Longest common subsequence of two words: its length and one such subsequence.


def word(rng, alphabet, lo, hi):
    return "".join(rng.choice(alphabet) for _ in range(rng.randint(lo, hi)))


def cases(rng):
    yield "a a\n"
    yield "a b\n"  # nothing in common: the length and an empty string
    yield "aaaa aa\n"
    yield word(rng, "ab", 2000, 2000) + " " + word(rng, "ab", 30, 30) + "\n"  # the longest words
    yield word(rng, "ab", 30, 30) + " " + word(rng, "ab", 2000, 2000) + "\n"
    for _ in range(40):
        alphabet = rng.choice(["ab", "abc", "ABCD"])
        yield word(rng, alphabet, 1, 12) + " " + word(rng, alphabet, 1, 12) + "\n"


def is_subsequence(s, t):
    it = iter(t)
    return all(ch in it for ch in s)


def check(stdin, stdout):
    a, b = stdin.split()
    prev = [0] * (len(b) + 1)
    for x in a:
        cur = [0]
        for j, y in enumerate(b):
            cur.append(prev[j] + 1 if x == y else max(prev[j + 1], cur[j]))
        prev = cur
    parts = stdout.split()
    length, seq = int(parts[0]), parts[1] if len(parts) > 1 else ""
    assert length == prev[-1], f"length {length}, the longest is {prev[-1]}"
    assert len(seq) == length, "the subsequence printed is not as long as the length printed"
    assert is_subsequence(seq, a) and is_subsequence(seq, b), "not a common subsequence"


def worked_examples():
    yield ("ABCBDAB BDCABA\n", "4 BCBA\n")
    yield ("ABC DEF\n", "0\n")
