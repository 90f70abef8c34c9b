# Turn direction of A -> B -> C with exact integers, including the largest coordinates.
M = 10 ** 9


def cases(rng):
    yield "0\n"
    yield f"4\n{-M} {-M} {M} {M} {-M} {M}\n{-M} {M} {M} {-M} {M} {M}\n" \
          f"{M} {-M} {-M} {M} {M} {M}\n{-M} {-M} {M} {M} 0 0\n"
    yield "1\n5 5 5 5 5 5\n"
    for _ in range(60):
        q = rng.randint(1, 20)
        lim = rng.choice([3, M])
        yield f"{q}\n" + "".join(
            " ".join(str(rng.randint(-lim, lim)) for _ in range(6)) + "\n" for _ in range(q))


def reference(stdin):
    nums = [int(x) for x in stdin.split()]
    out = []
    for i in range(nums[0]):
        ax, ay, bx, by, cx, cy = nums[1 + 6 * i: 7 + 6 * i]
        t = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax)
        out.append("LEFT" if t > 0 else "RIGHT" if t < 0 else "ON")
    return "".join(x + "\n" for x in out)


def worked_examples():
    yield ("3\n0 0 4 1 1 3\n0 0 4 1 8 2\n0 0 4 1 2 -1\n", "LEFT\nON\nRIGHT\n")
