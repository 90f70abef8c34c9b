# The schedule must be on time and earn the printed profit; the profit must be the optimum:
# all subsets for small n, a different method (by deadline, dropping the cheapest) for large n.
import heapq


def parse(stdin):
    nums = list(map(int, stdin.split()))
    return [(nums[i], nums[i + 1]) for i in range(1, len(nums), 2)]


def feasible(deadlines):
    return all(d >= k for k, d in enumerate(sorted(deadlines), 1))


def optimum(tasks):
    n = len(tasks)
    if n <= 10:
        best = 0
        for mask in range(1 << n):
            chosen = [tasks[i] for i in range(n) if mask >> i & 1]
            if feasible([d for d, _ in chosen]):
                best = max(best, sum(p for _, p in chosen))
        return best
    heap = []
    for d, p in sorted(tasks):
        heapq.heappush(heap, p)
        if len(heap) > d:
            heapq.heappop(heap)
    return sum(heap)


def cases(rng):
    yield "0\n"
    yield "1\n1000000000 1000000000\n"
    yield "4\n1 5\n1 7\n1 7\n1 2\n"
    n = 100000
    yield f"{n}\n" + "".join(f"{n} 1000000000\n" for _ in range(n))
    yield f"{n}\n" + "".join(f"{rng.randint(1, 10**9)} {rng.randint(1, 10**9)}\n" for _ in range(n))
    yield f"{n}\n" + "".join(f"{rng.randint(1, n // 2)} {rng.randint(1, 10**9)}\n" for _ in range(n))
    for _ in range(150):
        n = rng.randint(1, 10)
        yield f"{n}\n" + "".join(f"{rng.randint(1, 6)} {rng.randint(1, 30)}\n" for _ in range(n))


def check(stdin, stdout):
    tasks = parse(stdin)
    lines = stdout.split("\n")
    total = int(lines[0])
    ids = list(map(int, lines[1].split())) if len(lines) > 1 else []
    if len(set(ids)) != len(ids) or any(not 1 <= i <= len(tasks) for i in ids):
        raise AssertionError("bad task numbers")
    for k, i in enumerate(ids, 1):
        if tasks[i - 1][0] < k:
            raise AssertionError(f"task {i} in slot {k} is late")
    if sum(tasks[i - 1][1] for i in ids) != total:
        raise AssertionError("printed profit differs from the schedule's")
    if total != optimum(tasks):
        raise AssertionError(f"{total} printed, {optimum(tasks)} possible")


def worked_examples():
    yield ("5\n2 100\n1 19\n2 27\n1 25\n3 15\n", "142\n3 1 5\n")
