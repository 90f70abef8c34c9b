# Search with a sentinel, numbered from one: empty array, the value first, last, absent, repeated.
# The arrays and queries are those of the plain search; only the numbering differs.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from linear import cases, parse, text  # noqa: E402,F401


def reference(stdin):
    a, qs = parse(stdin)
    return "".join(f"{a.index(x) + 1 if x in a else 0}\n" for x in qs)


def worked_examples():
    yield (text([7, 3, 9], [5, 3]), "0\n2\n")
