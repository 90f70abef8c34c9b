# A multiset: insert, erase one, k-th smallest, count of smaller keys.
import bisect

LIM = 10**9


def make(rng, q, lo, hi, sorted_inserts=False):
    ops = []
    size = 0
    nxt = lo
    for _ in range(q):
        r = rng.random()
        if sorted_inserts:
            ops.append(f"+ {nxt}")
            nxt += 1
        elif r < 0.4:
            ops.append(f"+ {rng.randint(lo, hi)}")
            size += 1
        elif r < 0.6:
            ops.append(f"- {rng.randint(lo, hi)}")
        elif r < 0.8:
            ops.append(f"k {rng.randint(-1, size + 2)}")
        else:
            ops.append(f"c {rng.randint(lo - 1, hi + 1)}")
    return f"{len(ops)}\n" + "".join(o + "\n" for o in ops)


def cases(rng):
    yield "0\n"
    yield "3\nk 1\nc 0\n- 4\n"
    yield f"5\n+ {LIM}\n+ {-LIM}\n- {LIM}\nk 1\nc {LIM}\n"
    for _ in range(40):
        yield make(rng, rng.randint(1, 40), -5, 5)
    # increasing inserts would make a plain search tree a list
    ops = make(rng, 150000, -LIM, LIM, sorted_inserts=True).split("\n")[1:-1]
    ops += [f"k {k}" for k in (1, 75000, 150000)] + [f"c {-LIM + 1000}"]
    yield f"{len(ops)}\n" + "".join(o + "\n" for o in ops)


def reference(stdin):
    t = stdin.split()
    q = int(t[0])
    s = []
    out = []
    for i in range(q):
        op, x = t[1 + 2 * i], int(t[2 + 2 * i])
        if op == "+":
            bisect.insort(s, x)
        elif op == "-":
            j = bisect.bisect_left(s, x)
            if j < len(s) and s[j] == x:
                s.pop(j)
        elif op == "k":
            out.append(f"{s[x - 1] if 1 <= x <= len(s) else -1}\n")
        else:
            out.append(f"{bisect.bisect_left(s, x)}\n")
    return "".join(out)


def worked_examples():
    yield ("9\n+ 5\n+ 2\n+ 8\n+ 2\nk 3\nc 5\n- 2\nc 5\nk 4\n", "5\n2\n1\n-1\n")
