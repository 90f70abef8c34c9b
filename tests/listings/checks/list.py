# Removing the head, the tail, a missing value, from an empty list; reversing empty and long lists.
def cases(rng):
    yield "p\nr\np\n- 1\n"
    yield "+ 1\n- 1\np\nr\np\n"
    yield "".join(f"+ {i}\n" for i in range(20000)) + "r\n- 0\n- 19999\n- 5\n"
    for _ in range(100):
        ops = []
        for _ in range(rng.randint(1, 30)):
            r = rng.random()
            x = rng.randint(0, 5)
            ops.append(f"+ {x}\n" if r < 0.45 else f"- {x}\n" if r < 0.7 else "r\n" if r < 0.85 else "p\n")
        yield "".join(ops + ["p\n"])


def reference(stdin):
    lst, out = [], []
    tokens = stdin.split()
    i = 0
    while i < len(tokens):
        op = tokens[i]
        if op in "+-":
            x = int(tokens[i + 1])
            i += 2
            if op == "+":
                lst.insert(0, x)
            elif x in lst:
                lst.remove(x)
                out.append("1")
            else:
                out.append("0")
        else:
            i += 1
            if op == "r":
                lst.reverse()
            else:
                out.append(" ".join(map(str, lst)))
    return "".join(line + "\n" for line in out)


def worked_examples():
    yield ("+ 3\n+ 2\n+ 1\np\n- 2\np\nr\np\n- 5\n", "1 2 3\n1\n1 3\n3 1\n0\n")
