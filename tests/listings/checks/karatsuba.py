import sys

# 10^5-digit rows need more than the default conversion limit
if hasattr(sys, "set_int_max_str_digits"):
    sys.set_int_max_str_digits(0)


def cases(rng):
    yield "0 0\n"
    yield "0000 5\n"
    yield "9999 9999\n"
    yield "1" + "0" * 999 + " 0\n"
    yield "9" * 100000 + " " + "9" * 100000 + "\n"
    yield "9" * 1000 + " 7\n"
    for _ in range(15):
        la, lb = rng.randint(1, 600), rng.randint(1, 600)
        digits = rng.choice(["0123456789", "9", "09"])
        a = "".join(rng.choice(digits) for _ in range(la))
        b = "".join(rng.choice(digits) for _ in range(lb))
        yield f"{a} {b}\n"


def reference(stdin):
    a, b = stdin.split()
    if len(a) > 600:  # the long rows, by their closed forms (string conversion is slow)
        n = len(a)
        if b == a == "9" * n:  # (10^n - 1)^2 = 10^2n - 2*10^n + 1
            return "9" * (n - 1) + "8" + "0" * (n - 1) + "1\n"
        if a == "9" * n and b == "7":
            return "6" + "9" * (n - 1) + "3\n"
        if b == "0":
            return "0\n"
        raise AssertionError("no closed form for this row")
    return f"{int(a) * int(b)}\n"


def worked_examples():
    yield ("1234 5678\n", "7006652\n")
