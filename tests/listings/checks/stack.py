# Brackets: empty line, lone closers, wrong pairs, deep nesting that makes the stack grow.
def balanced(s):
    pairs, stack = {")": "(", "]": "[", "}": "{"}, []
    for ch in s:
        if ch in "([{":
            stack.append(ch)
        elif ch in pairs:
            if not stack or stack.pop() != pairs[ch]:
                return 0
    return int(not stack)


def cases(rng):
    yield "\n"
    yield ")\n(\n][\n([)]\n{x}\n"
    yield "(" * 100000 + ")" * 100000 + "\n" + "[" * 100000 + ")" * 100000 + "\n"
    for _ in range(60):
        lines = []
        for _ in range(10):
            n = rng.randint(0, 12)
            lines.append("".join(rng.choice("()[]{}a") for _ in range(n)))
        yield "\n".join(lines) + "\n"


def reference(stdin):
    return "".join(f"{balanced(line)}\n" for line in stdin.split("\n")[:-1])


def worked_examples():
    yield ("([]{})\n([)]\n", "1\n0\n")
