# The number of palindromic substrings and the leftmost longest palindrome.


def cases(rng):
    yield ""
    yield "a\n"
    yield "ab\n"
    yield "aa\n"
    yield "abba\n"
    for _ in range(40):
        n = rng.randint(1, 50)
        alpha = rng.choice(["a", "ab", "abc"])
        yield "".join(rng.choice(alpha) for _ in range(n)) + "\n"
    yield "a" * 1000000 + "\n"              # the longest input and the largest count
    yield "".join(rng.choice("ab") for _ in range(1500)) + "\n"


def reference(stdin):
    s = stdin.strip()
    n = len(s)
    if n > 2000 and s == s[0] * n:
        return f"{n * (n + 1) // 2}\n{n} 0\n"
    count, best, start = 0, 0, 0
    for c in range(2 * n - 1):             # expand from every centre
        a, b = c // 2, (c + 1) // 2
        while a >= 0 and b < n and s[a] == s[b]:
            count += 1
            if b - a + 1 > best or (b - a + 1 == best and a < start):
                best, start = b - a + 1, a
            a -= 1
            b += 1
    return f"{count}\n{best} {start}\n"


def worked_examples():
    yield ("abaaba\n", "11\n6 0\n")
    yield ("aaaa\n", "10\n4 0\n")
