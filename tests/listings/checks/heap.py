# Min-heap of at most 1000: empty, full, equal keys, the int range, random mixes.
import heapq

CAP = 1000


def cases(rng):
    yield "-\n"
    yield "".join(f"+ {rng.randint(-5, 5)}\n" for _ in range(CAP + 1)) + "-\n" * (CAP + 1)
    yield "+ 2147483647\n+ -2147483648\n+ 0\n-\n-\n-\n"
    for _ in range(100):
        ops = []
        for _ in range(rng.randint(1, 50)):
            ops.append(f"+ {rng.randint(-20, 20)}\n" if rng.random() < 0.6 else "-\n")
        yield "".join(ops)


def reference(stdin):
    h, out = [], []
    tokens = stdin.split()
    i = 0
    while i < len(tokens):
        if tokens[i] == "+":
            if len(h) == CAP:
                out.append("full")
            else:
                heapq.heappush(h, int(tokens[i + 1]))
            i += 2
        else:
            out.append(str(heapq.heappop(h)) if h else "empty")
            i += 1
    return "".join(line + "\n" for line in out)


def worked_examples():
    yield ("+ 5\n+ 3\n+ 8\n+ 1\n-\n-\n-\n-\n", "1\n3\n5\n8\n")
