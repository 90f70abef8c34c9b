# Copies and capacity of a growing array, by growth rule, against a direct count.


def cases(rng):
    for n, step in ((0, 0), (0, 3), (1, 0), (1, 1), (2, 0), (1024, 0), (1025, 0),
                    (1000000, 0), (17, 1), (100, 7), (3000, 1)):
        yield f"{n} {step}\n"
    for _ in range(60):
        yield f"{rng.randint(0, 5000)} {rng.choice((0, 0, 1, 2, 5, 64))}\n"


def reference(stdin):
    n, step = map(int, stdin.split())
    size = cap = copies = 0
    for _ in range(n):
        if size == cap:
            copies += size
            cap = cap + step if step else (2 * cap if cap else 1)
        size += 1
    return f"{copies} {cap} {n * (n + 1) // 2}\n"


def worked_examples():
    yield ("1000 0\n", "1023 1024 500500\n")
    yield ("1000 10\n", "49500 1000 500500\n")
    yield ("1025 0\n", "2047 2048 525825\n")
