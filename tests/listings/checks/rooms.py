# Any valid assignment is right: each room's requests must not overlap (half-open), and
# the number of rooms must equal the depth, found by a sweep over points of time.


def parse(stdin):
    nums = list(map(int, stdin.split()))
    return [(nums[i], nums[i + 1]) for i in range(1, len(nums), 2)]


def depth(reqs):
    events = sorted([(f, -1) for _, f in reqs] + [(s, 1) for s, _ in reqs])
    cur = best = 0
    for _, d in events:  # at equal times the end (-1) comes first
        cur += d
        best = max(best, cur)
    return best


def cases(rng):
    yield "0\n"
    yield "1\n0 1000000000\n"
    yield "4\n0 2\n2 3\n0 1\n1 4\n"
    yield "3\n5 6\n5 6\n5 6\n"
    n = 100000
    yield f"{n}\n" + "".join(f"{i} {i + 1}\n" for i in range(n))
    yield f"{n}\n" + "0 1000000000\n" * n
    yield f"{n}\n" + "".join(f"{s} {s + rng.randint(1, 10**7)}\n"
                             for s in (rng.randint(0, 99 * 10**7) for _ in range(n)))
    for _ in range(150):
        n = rng.randint(1, 15)
        rows = []
        for _ in range(n):
            s = rng.randint(0, 15)
            rows.append(f"{s} {s + rng.randint(1, 6)}\n")
        yield f"{n}\n" + "".join(rows)


def check(stdin, stdout):
    reqs = parse(stdin)
    lines = stdout.split("\n")
    k = int(lines[0])
    rooms = list(map(int, lines[1].split())) if len(lines) > 1 else []
    if len(rooms) != len(reqs):
        raise AssertionError(f"{len(rooms)} rooms listed for {len(reqs)} requests")
    if any(not 1 <= x <= k for x in rooms):
        raise AssertionError("room number out of range")
    by_room = {}
    for x, r in zip(rooms, reqs):
        by_room.setdefault(x, []).append(r)
    for x, rs in by_room.items():
        rs.sort()
        for (s1, f1), (s2, f2) in zip(rs, rs[1:]):
            if f1 > s2:
                raise AssertionError(f"room {x}: [{s1}, {f1}) and [{s2}, {f2}) overlap")
    if k != depth(reqs):
        raise AssertionError(f"{k} rooms, depth {depth(reqs)}")


def worked_examples():
    yield ("5\n9 11\n9 10\n10 12\n11 13\n12 14\n", "2\n1 2 2 1 2\n")
