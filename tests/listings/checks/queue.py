# A ring of 1024 cells: empty, exactly full, one too many, and many laps around the ring.
from collections import deque

CAP = 1024


def cases(rng):
    yield "-\n"
    yield "".join(f"+ {i}\n" for i in range(CAP + 1)) + "-\n" * (CAP + 1)
    yield "".join(f"+ {i}\n-\n" for i in range(5000))
    for _ in range(80):
        ops = []
        for _ in range(rng.randint(1, 60)):
            ops.append(f"+ {rng.randint(-2**31, 2**31 - 1)}\n" if rng.random() < 0.55 else "-\n")
        yield "".join(ops)


def reference(stdin):
    q, out = deque(), []
    tokens = stdin.split()
    i = 0
    while i < len(tokens):
        if tokens[i] == "+":
            if len(q) == CAP:
                out.append("full")
            else:
                q.append(tokens[i + 1])
            i += 2
        else:
            out.append(q.popleft() if q else "empty")
            i += 1
    return "".join(line + "\n" for line in out)
