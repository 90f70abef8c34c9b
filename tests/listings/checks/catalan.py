P = 10**9 + 7


def cases(rng):
    ns = [0, 1, 2, 3, 35, 36, 1000000, 999999] + [rng.randint(0, 300) for _ in range(60)]
    ns += [rng.randint(0, 10**6) for _ in range(2)]
    yield f"{len(ns)}\n" + "\n".join(map(str, ns)) + "\n"


def catalan(n, table):
    if n < len(table):
        return table[n] % P
    num = den = 1  # C(2n, n) / (n + 1) by one product and one inverse
    for i in range(n):
        num = num * (2 * n - i) % P
        den = den * (i + 1) % P
    return num * pow(den * (n + 1) % P, P - 2, P) % P


def reference(stdin):
    ns = [int(v) for v in stdin.split()[1:]]
    table = [1]  # exact numbers by the recurrence over the root's split
    for m in range(301):
        table.append(sum(table[i] * table[m - i] for i in range(m + 1)))
    return "".join(f"{catalan(n, table)}\n" for n in ns)


def worked_examples():
    yield ("3\n3\n10\n1000000\n", "5\n16796\n70646122\n")
