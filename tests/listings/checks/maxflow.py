# Maximum flow and the source side of the minimum cut. The reference tries every cut
# (max flow = min cut); the residual side of any maximum flow is the smallest minimum cut,
# i.e. the intersection of all of them.
from itertools import combinations


def cases(rng):
    yield "2 0 1 2\n"
    yield "2 1 1 2\n1 2 1000000000\n"
    yield "3 2 1 3\n1 2 5\n2 1 5\n"                 # the sink cannot be reached
    # parallel heavy edges: the flow needs more than 32 bits
    yield "2 5 1 2\n" + "1 2 1000000000\n" * 5
    for _ in range(120):
        n = rng.randint(2, 7)
        m = rng.randint(0, 14)
        s, t = rng.sample(range(1, n + 1), 2)
        cmax = rng.choice([1, 5, 1000000000])
        yield f"{n} {m} {s} {t}\n" + "".join(
            f"{rng.randint(1, n)} {rng.randint(1, n)} {rng.randint(0, cmax)}\n" for _ in range(m))


def reference(stdin):
    it = iter(stdin.split())
    n, m, s, t = (int(next(it)) for _ in range(4))
    edges = [(int(next(it)), int(next(it)), int(next(it))) for _ in range(m)]
    others = [v for v in range(1, n + 1) if v not in (s, t)]
    best, sides = None, []
    for k in range(len(others) + 1):
        for extra in combinations(others, k):
            side = {s, *extra}
            c = sum(w for u, v, w in edges if u in side and v not in side)
            if best is None or c < best:
                best, sides = c, [side]
            elif c == best:
                sides.append(side)
    smallest = set.intersection(*sides)
    return f"{best}\n{' '.join(map(str, sorted(smallest)))}\n"


def worked_examples():
    yield ("4 5 1 4\n1 2 3\n1 3 2\n2 3 1\n2 4 1\n3 4 3\n", "4\n1 2\n")
