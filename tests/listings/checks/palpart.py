def cases(rng):
    for s in ["a", "ab", "aa", "aab", "abaab", "banana", "abcd"]:
        yield s + "\n"
    for _ in range(35):
        n = rng.randint(1, 40)
        alphabet = rng.choice(["ab", "abc", "a", "abcdefghijklmnopqrstuvwxyz"])
        yield "".join(rng.choice(alphabet) for _ in range(n)) + "\n"
    yield "a" * 5000 + "\n"
    yield "ab" * 2500 + "\n"


def fewest(s):
    n = len(s)
    if n > 100:  # the two long rows
        if s == s[::-1]:
            return 1
        if s == "ab" * (n // 2):  # "abab...a" is a palindrome, then "b"; no whole-string palindrome
            return 2
        raise AssertionError("no closed form for this row")
    best = [0] + [n + 1] * n
    for i in range(1, n + 1):
        best[i] = min(best[l] + 1 for l in range(i) if s[l:i] == s[l:i][::-1])
    return best[n]


def check(stdin, stdout):
    s = stdin.strip()
    lines = stdout.split("\n")
    k = int(lines[0])
    pieces = lines[1].split()
    if "".join(pieces) != s:
        raise AssertionError("the pieces do not make up the string")
    if len(pieces) != k or any(p != p[::-1] for p in pieces):
        raise AssertionError("every piece must be a palindrome, as many as printed")
    if k != fewest(s):
        raise AssertionError(f"{k} pieces, the fewest is {fewest(s)}")


def worked_examples():
    yield ("abaab\n", "2\na baab\n")
