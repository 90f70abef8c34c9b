# Greedy set cover: the sets in the order the greedy picks them, the most new elements first,
# ties to the smaller number. The reference recomputes every gain at every step from scratch;
# on the larger inputs it keeps gains up to date and scans all sets each step.


def fmt(u, sets):
    return f"{u} {len(sets)}\n" + "".join(" ".join(map(str, [len(s)] + s)) + "\n" for s in sets)


def cases(rng):
    yield "0 0\n"
    yield fmt(0, [[], []])
    yield fmt(1, [[]])                                       # 1 is in no set
    yield fmt(3, [[1, 2], [2]])
    yield fmt(2, [[1, 1, 1], [2, 2], [1, 2]])                # repeats inside a set
    yield fmt(4, [[1], [2], [3], [4]])
    # many sets with equal gains that keep falling: stale heap entries everywhere
    yield fmt(12, [[i, i % 12 + 1, (i + 5) % 12 + 1] for i in range(1, 13)])
    for _ in range(2):
        u, m = 1500, 1500
        sets = [[] for _ in range(m)]
        for e in range(1, u + 1):
            sets[rng.randrange(m)].append(e)
        for _ in range(4000):
            sets[rng.randrange(m)].append(rng.randint(1, u))
        yield fmt(u, sets)
    # the largest input: a partition, so every set is taken, largest first
    u = m = 10**5
    sets = [[] for _ in range(m)]
    for e in range(1, u + 1):
        sets[rng.randrange(m)].append(e)
    sets = [s for s in sets if s] or [[1]]
    yield fmt(u, sets)
    for _ in range(100):
        u = rng.randint(0, 10)
        m = rng.randint(0, 8)
        yield fmt(u, [[rng.randint(1, u) for _ in range(rng.randint(0, 5))] if u else []
                      for _ in range(m)])


def parse(stdin):
    v = [int(x) for x in stdin.split()]
    u, m, p, sets = v[0], v[1], 2, []
    for _ in range(m):
        c = v[p]
        sets.append(set(v[p + 1: p + 1 + c]))
        p += 1 + c
    return u, sets


def reference(stdin):
    u, sets = parse(stdin)
    if set().union(*sets) != set(range(1, u + 1)) if sets else u > 0:
        return "-1\n"
    chosen = []
    if len(sets) <= 50:
        left = set(range(1, u + 1))
        while left:
            best = max(range(len(sets)), key=lambda i: (len(sets[i] & left), -i))
            chosen.append(best + 1)
            left -= sets[best]
    else:
        gain = [len(s) for s in sets]
        holders = {}
        for i, s in enumerate(sets):
            for e in s:
                holders.setdefault(e, []).append(i)
        covered = set()
        while len(covered) < u:
            best = max(range(len(sets)), key=lambda i: (gain[i], -i)) if len(sets) < 5000 else None
            if best is None:            # a partition: gains never change
                order = sorted(range(len(sets)), key=lambda i: (-len(sets[i]), i))
                chosen = [i + 1 for i in order]
                break
            chosen.append(best + 1)
            for e in sets[best] - covered:
                covered.add(e)
                for i in holders[e]:
                    gain[i] -= 1
    return f"{len(chosen)}\n" + " ".join(map(str, chosen)) + "\n"


def worked_examples():
    yield ("6 3\n3 1 2 3\n3 4 5 6\n4 1 2 4 5\n", "3\n3 1 2\n")
    yield ("3 3\n2 1 2\n2 2 3\n2 1 3\n", "2\n1 2\n")
