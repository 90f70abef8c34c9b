# 3-SAT turned into an independent set: the graph's size, its largest independent set and
# a satisfying assignment read back from it. The largest independent set of that graph is the
# largest number of clauses one assignment satisfies, which the check finds by trying every
# assignment.
import itertools


def fmt(n, clauses):
    return f"{n} {len(clauses)}\n" + "".join(" ".join(map(str, c)) + "\n" for c in clauses)


def cases(rng):
    yield fmt(1, [])
    yield fmt(1, [(1, 1, 1)])
    yield fmt(1, [(1, 1, 1), (-1, -1, -1)])
    yield fmt(2, [(1, -1, 2), (-2, -2, 1)])                  # a literal with its negation
    yield fmt(3, [(a * 1, b * 2, c * 3) for a in (1, -1) for b in (1, -1) for c in (1, -1)])
    for _ in range(120):
        n = rng.randint(1, 10)
        m = rng.randint(1, 8)
        yield fmt(n, [tuple(rng.choice((1, -1)) * rng.randint(1, n) for _ in range(3))
                      for _ in range(m)])


def parse(stdin):
    v = [int(x) for x in stdin.split()]
    n, m = v[0], v[1]
    return n, [tuple(v[2 + 3 * i: 5 + 3 * i]) for i in range(m)]


def satisfied(clause, bits):
    return any((lit > 0) == bits[abs(lit) - 1] for lit in clause)


def check(stdin, stdout):
    n, clauses = parse(stdin)
    m = len(clauses)
    lits = [lit for c in clauses for lit in c]
    edges = sum(1 for i in range(3 * m) for j in range(i + 1, 3 * m)
                if i // 3 == j // 3 or lits[i] == -lits[j])
    best = max(sum(satisfied(c, bits) for c in clauses)
               for bits in itertools.product((False, True), repeat=n))
    out = stdout.split()
    head = [f"{3 * m}", f"{edges}", f"{best}"]
    if out[:3] != head:
        raise AssertionError(f"expected vertices, edges, independence {head}, got {out[:3]}")
    if best < m:
        if out[3:] != ["NO"]:
            raise AssertionError(f"formula is unsatisfiable, got {out[3:]}")
        return
    if len(out) != 5 or out[3] != "YES" or len(out[4]) != n or set(out[4]) - {"0", "1"}:
        raise AssertionError(f"expected YES and {n} bits, got {out[3:]}")
    bits = [ch == "1" for ch in out[4]]
    for c in clauses:
        if not satisfied(c, bits):
            raise AssertionError(f"assignment {out[4]} leaves clause {c} false")


def worked_examples():
    yield (fmt(3, [(1, 2, -3), (-1, -2, 3), (-1, 2, 3)]), "9 15\n3\nYES\n101\n")
    yield (fmt(3, [(a * 1, b * 2, c * 3) for a in (1, -1) for b in (1, -1) for c in (1, -1)]),
           "24 72\n7\nNO\n")
