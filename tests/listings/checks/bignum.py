import sys

# 10^4-digit rows need more than the default conversion limit
if hasattr(sys, "set_int_max_str_digits"):
    sys.set_int_max_str_digits(0)


def cases(rng):
    yield "0 0\n"
    yield "000 0000000000\n"
    yield "1 1000000000\n"
    yield "999999999 1\n"
    yield "1000000000000000000 999999999999999999\n"
    yield "000000000123 000000000000000000123\n"
    yield "9" * 10000 + " " + "9" * 10000 + "\n"
    yield "1" + "0" * 9999 + " 1\n"
    for _ in range(40):
        la, lb = rng.randint(1, 40), rng.randint(1, 40)
        digits = rng.choice(["0123456789", "09", "9"])
        a = "".join(rng.choice(digits) for _ in range(la))
        b = "".join(rng.choice(digits) for _ in range(lb))
        yield f"{a} {b}\n"


def reference(stdin):
    a, b = (int(x) for x in stdin.split())
    return f"{a + b}\n{a - b}\n{a * b}\n"


def worked_examples():
    yield ("123456789012345678901234567890 987654321098765432109876543210\n",
           "1111111110111111111011111111100\n"
           "-864197532086419753208641975320\n"
           "121932631137021795226185032733622923332237463801111263526900\n")
