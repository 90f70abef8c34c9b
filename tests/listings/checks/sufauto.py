# Distinct substrings of a word and membership of other words.


def make(s, ws):
    return f"{s}\n{len(ws)}\n" + "".join(w + "\n" for w in ws)


def word(rng, alpha, lo, hi):
    return "".join(rng.choice(alpha) for _ in range(rng.randint(lo, hi)))


def cases(rng):
    yield make("a", ["a", "b", "aa"])
    yield make("aaaa", ["aaaa", "aaaaa"])
    for _ in range(40):
        alpha = rng.choice(["ab", "abc", "az"])
        s = word(rng, alpha, 1, 40)
        ws = [word(rng, alpha, 1, 4) for _ in range(5)]
        ws += [s[i:j] for i, j in sorted((rng.randint(0, len(s) - 1), rng.randint(0, len(s) - 1)) for _ in range(3)) if i < j]
        yield make(s, ws)
    big = word(rng, "ab", 100000, 100000)
    yield make(big, [big, big[5:60005], big + "a", "b" * 40])
    yield make("z" * 100000, ["z" * 100000, "y"])


def reference(stdin):
    t = stdin.split()
    s, q = t[0], int(t[1])
    n = len(s)
    if n > 1000:
        if s == s[0] * n:
            distinct = n
        else:                              # a chunked suffix sort, then LCPs
            import functools

            def cmp(a, b):
                for d in range(0, n, 64):
                    x, y = s[a + d:a + d + 64], s[b + d:b + d + 64]
                    if x != y:
                        return -1 if x < y else 1
                return 0
            sa = sorted(range(n), key=functools.cmp_to_key(cmp))
            distinct = n * (n + 1) // 2
            for a, b in zip(sa, sa[1:]):
                k = 0
                while a + k < n and b + k < n and s[a + k] == s[b + k]:
                    k += 1
                distinct -= k
    else:
        distinct = len({s[i:j] for i in range(n) for j in range(i + 1, n + 1)})
    return f"{distinct}\n" + "".join("1" if w in s else "0" for w in t[2:2 + q]) + "\n"


def worked_examples():
    yield (make("abcbc", ["cbc", "bb", "abcbc"]), "12\n101\n")
