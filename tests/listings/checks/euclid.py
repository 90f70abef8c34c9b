# Euclid, Pascal: gcd, lcm (or that it does not fit in Int64) and the Bezout identity.
import math

INT64_MAX = 2**63 - 1


def cases(rng):
    yield "0 0\n"  # gcd(0, 0) = 0, and nothing is divided by it
    yield "0 5\n"
    yield "7 0\n"
    yield "1 1\n"
    yield "1000000000000000000 999999999999999999\n"  # the lcm does not fit
    yield "1000000000000000000 1000000000000000000\n"
    yield "679891637638612258 420196140727489673\n"  # neighbouring Fibonacci numbers: most steps
    yield "420196140727489673 679891637638612258\n"
    for _ in range(30):
        g = rng.randint(1, 1000)
        yield f"{g * rng.randint(0, 10**6)} {g * rng.randint(0, 10**6)}\n"
    for _ in range(10):
        yield f"{rng.randint(0, 10**18)} {rng.randint(0, 10**18)}\n"


def check(stdin, stdout):
    a, b = map(int, stdin.split())
    g = math.gcd(a, b)
    lines = stdout.split("\n")
    assert lines[0] == f"gcd = {g}", "wrong gcd"
    lcm = math.lcm(a, b)
    assert lines[1] == (f"lcm = {lcm}" if lcm <= INT64_MAX else "lcm does not fit in Int64"), "wrong lcm line"
    left, right = lines[2].split(" = ")
    assert int(right) == g, "the identity does not end in the gcd"
    terms = left.split(" + ")
    (a1, x), (b1, y) = (t.rstrip(")").split("*(") for t in terms)
    assert (int(a1), int(b1)) == (a, b), "the identity names other numbers"
    assert a * int(x) + b * int(y) == g, "the coefficients are wrong"
    assert abs(int(x)) <= max(a, b, 1) and abs(int(y)) <= max(a, b, 1), "coefficients larger than claimed"


def worked_examples():
    yield ("240 46\n", "gcd = 2\nlcm = 5520\n240*(-9) + 46*(47) = 2\n")
