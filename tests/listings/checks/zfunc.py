# Substring search with the Z-function: 0-based starts of all
# occurrences, overlapping ones included; a space separates pattern and text inside.
# The cases, the reference and the example are those of the prefix function.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kmp import cases, reference, worked_examples  # noqa: E402,F401
