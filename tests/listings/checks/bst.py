# Erasing a leaf, a node with one child, with two children, the root, a missing key;
# duplicates; a tree degenerated into a list as deep as the text still calls safe.
def cases(rng):
    yield "p\n- 1\n? 1\n"
    yield "+ 5\n+ 5\np\n- 5\np\n- 5\n? 5\n"
    deep = 3000
    yield "".join(f"+ {i}\n" for i in range(deep)) + "? 2999\n- 0\n- 1500\np\n"
    yield "+ 0\n+ -2147483648\n+ 2147483647\np\n"
    for _ in range(120):
        ops = []
        for _ in range(rng.randint(1, 40)):
            r = rng.random()
            x = rng.randint(0, 15)
            ops.append(f"+ {x}\n" if r < 0.5 else f"- {x}\n" if r < 0.75 else f"? {x}\n" if r < 0.9 else "p\n")
        yield "".join(ops + ["p\n"])


def reference(stdin):
    keys, out = set(), []
    tokens = stdin.split()
    i = 0
    while i < len(tokens):
        op = tokens[i]
        if op == "p":
            out.append(" ".join(map(str, sorted(keys))))
            i += 1
            continue
        x = int(tokens[i + 1])
        i += 2
        if op == "+":
            keys.add(x)
        elif op == "-":
            keys.discard(x)
        else:
            out.append(str(int(x in keys)))
    return "".join(line + "\n" for line in out)


def worked_examples():
    build = "".join(f"+ {k}\n" for k in (8, 3, 10, 1, 6, 14, 4, 7, 13))
    yield (build + "p\n? 7\n? 5\n- 8\np\n", "1 3 4 6 7 8 10 13 14\n1\n0\n1 3 4 6 7 10 13 14\n")
