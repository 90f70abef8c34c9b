# Unions of a set with itself, long chains, all of MAXN elements, random mixes.
def cases(rng):
    yield "1\nu 0 0\nf 0 0\n"
    n = 100000
    yield f"{n}\n" + "".join(f"u {i} {i + 1}\n" for i in range(n - 1)) + f"f 0 {n - 1}\n"
    for _ in range(100):
        n = rng.randint(1, 12)
        ops = [f"{rng.choice('uf')} {rng.randrange(n)} {rng.randrange(n)}\n"
               for _ in range(rng.randint(0, 30))]
        yield f"{n}\n" + "".join(ops)


def reference(stdin):
    t = stdin.split()
    n = int(t[0])
    members = {x: [x] for x in range(n)}  # group label -> its elements
    group = list(range(n))
    out = []
    for i in range(1, len(t), 3):
        a, b = group[int(t[i + 1])], group[int(t[i + 2])]
        if t[i] == "u":
            out.append(str(int(a != b)))
            if a != b:
                if len(members[a]) < len(members[b]):
                    a, b = b, a
                for x in members.pop(b):  # relabel the smaller group
                    group[x] = a
                    members[a].append(x)
        else:
            out.append(str(int(a == b)))
    out.append(str(len(members)))
    return "".join(line + "\n" for line in out)


def worked_examples():
    yield ("6\nu 0 1\nu 2 3\nu 1 3\nf 0 2\nf 4 5\n", "1\n1\n1\n1\n0\n3\n")
