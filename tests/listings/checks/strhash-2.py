# Equal substrings by prefix hashes: "yes"/"no" per query. A "yes" for different substrings has a
# probability below len/10^9 per query, so strings stay short and the chance of a spurious failure
# over all cases stays near 10^-5.


def cases(rng):
    yield "a 1\n0 0 1\n"
    yield "ab 2\n0 1 0\n2 2 0\n"  # empty substrings, also at the very end
    yield "ab 3\n0 1 1\n1 0 1\n0 0 2\n"
    for _ in range(40):
        s = "".join(rng.choice(rng.choice(["ab", "a", "abc"])) for _ in range(rng.randint(1, 20)))
        n = len(s)
        queries = []
        for _ in range(rng.randint(1, 10)):
            length = rng.randint(0, n)
            queries.append((rng.randint(0, n - length), rng.randint(0, n - length), length))
        yield f"{s} {len(queries)}\n" + "".join(f"{a} {b} {l}\n" for a, b, l in queries)


def reference(stdin):
    tokens = stdin.split()
    s, q = tokens[0], int(tokens[1])
    out = []
    for i in range(q):
        a, b, l = map(int, tokens[2 + 3 * i : 5 + 3 * i])
        out.append("yes" if s[a : a + l] == s[b : b + l] else "no")
    return "".join(x + "\n" for x in out)


def worked_examples():
    yield ("abacaba 2\n0 4 3\n0 2 2\n", "yes\nno\n")
