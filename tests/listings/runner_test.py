#!/usr/bin/env python3
"""The listing runner must fail a book whose listing is wrong in any of the ways below."""

import os
import subprocess
import sys
import tempfile
import unittest

RUNNER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "run-listings")

ECHO_CHECK = """
def cases(rng):
    for _ in range(3):
        yield f"{rng.randint(0, 9)}\\n"
def reference(stdin):
    return stdin
"""

GOOD_C = """<pre data-lang="c" data-listing="echo">
#include &lt;stdio.h&gt;
int main(void)
{
    int x;
    if (scanf("%d", &amp;x) == 1)
        printf("%d\\n", x);
    return 0;
}
</pre>"""

GOOD_PASCAL = """<pre data-lang="pascal" data-listing="echo">
program echo;
var x: LongInt;
begin
  read(x);
  writeln(x);
end.
</pre>"""

# (what is wrong, page, {check file: text}, what the report must say)
FAULTS = [
    ("writes out of bounds", GOOD_C.replace("int x;", "int x, a[4];")
     .replace("printf(\"%d\\n\", x)", "a[x + 4] = x, printf(\"%d\\n\", a[x + 4])"), {}, "sanitizer report"),
    ("overflows a signed int", GOOD_C.replace("printf(\"%d\\n\", x)",
     "printf(\"%d\\n\", x + 2147483647)"), {}, "sanitizer report"),
    ("warns", GOOD_C.replace("int x;", "int x, unused;"), {}, "does not compile cleanly"),
    ("disagrees", GOOD_C.replace("x);", "x + 1);"), {}, "wrong answer"),
    ("never ends", GOOD_C.replace("return 0;", "for (;;) {}"), {}, "no answer within"),
    ("prints without end", GOOD_C.replace("return 0;", "for (;;) putchar('x');"), {},
     "wrote more than"),
    ("Pascal warns", GOOD_PASCAL.replace("var x: LongInt;", "var x, y: LongInt;")
     .replace("writeln(x)", "writeln(x + y)"), {}, "Warning:"),
    ("Pascal range error", GOOD_PASCAL.replace("var x: LongInt;",
     "var x: LongInt; a: array[0..3] of LongInt;").replace("writeln(x)", "a[x + 4] := 1; writeln(x)"),
     {}, "exit status"),
    ("has no data-lang", GOOD_C + "<pre>x</pre>", {}, "without data-lang"),
    ("has no check", GOOD_C, {"echo.py": None}, "no check echo.py"),
    ("has a check of no listing", GOOD_C, {"gone.py": ECHO_CHECK}, "check without a listing"),
    ("continues nothing before it", GOOD_C.replace('data-listing="echo"', 'data-continues="echo"')
     + GOOD_C, {}, "names no listing before it"),
    ("leaves < unescaped", GOOD_C.replace("&lt;stdio.h&gt;", "<stdio.h>"), {}, "markup inside"),
]


class RunnerFailsBadListings(unittest.TestCase):
    def run_book(self, page, checks):
        with tempfile.TemporaryDirectory() as root:
            book, checks_dir = os.path.join(root, "book"), os.path.join(root, "checks")
            os.mkdir(book)
            os.mkdir(checks_dir)
            with open(os.path.join(book, "1.htm"), "w", encoding="utf-8") as f:
                f.write(page)
            files = {"echo.py": ECHO_CHECK, **checks}
            for name, text in files.items():
                if text is not None:
                    with open(os.path.join(checks_dir, name), "w", encoding="utf-8") as f:
                        f.write(text)
            return subprocess.run([sys.executable, RUNNER, "--book", book, "--checks",
                                   checks_dir, "--timeout", "2"],
                                  capture_output=True, text=True)

    def test_sound_listings_pass(self):
        for page in (GOOD_C, GOOD_PASCAL):
            done = self.run_book(page, {})
            self.assertEqual(done.returncode, 0, done.stdout + done.stderr)
            self.assertIn("1 passed, 0 failed", done.stdout)

    def test_faults_fail(self):
        for what, page, checks, said in FAULTS:
            with self.subTest(what):
                done = self.run_book(page, checks)
                self.assertEqual(done.returncode, 1, done.stdout + done.stderr)
                self.assertIn(said, done.stdout)
                self.assertRegex(done.stdout, r"\d+ passed, [1-9]\d* failed\n$")


if __name__ == "__main__":
    unittest.main()
