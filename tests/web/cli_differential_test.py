#!/usr/bin/python3
"""A long random cutting list through two builds of segcalc-cli.

    cli_differential_test.py NATIVE_CLI OTHER_CLI LINES

Both must give the same results, messages and exit status, byte for byte,
with the exact columns too: the WebAssembly build under node against the
native one. The list mixes realistic arches at two decimals with the texts a
shop types (units, blanks, full-width digits, commas) and hostile values.
Exits 77 (skipped) when the native program is not there.
"""
import math
import os
import random
import subprocess
import sys
import tempfile

SKIP = 77


def two_places(value):
    return "%.2f" % value


def realistic(rng):
    radius = rng.uniform(50, 20000)
    theta = math.radians(rng.uniform(1, 359))
    arc = two_places(radius * theta)
    chord = two_places(2 * radius * math.sin(theta / 2))
    height = two_places(radius * (1 - math.cos(theta / 2)))
    check = rng.choice(["1", "0", "", "1"])
    fields = rng.choice([[arc, chord, ""], [arc, "", height], ["", chord, height], [arc, chord, height]])
    return "\t".join(fields + ([check] if check or rng.random() < 0.5 else []))


HOSTILE = ["0", "-5", "1e308", "1e-320", "abc", "1,5", "1.2.3", "８００", "800。5", " 1 000 ", "1500 mm",
           "&H10", "inf", "", "   ", "2067,63", "1e305", "0.005", "9999999999999999"]


def hostile(rng):
    fields = [rng.choice(HOSTILE + [two_places(rng.uniform(0, 5000))]) for _ in range(3)]
    extra = [rng.choice(["1", "0", "-1", "2", "x", " "])] if rng.random() < 0.5 else []
    if rng.random() < 0.05:
        return rng.choice(["", "no tabs here", "a\tb", "1\t2\t3\t4\t5"])
    return "\t".join(fields + extra)


def main():
    native, other, lines = sys.argv[1], sys.argv[2], int(sys.argv[3])
    if not native or not os.access(native, os.X_OK):
        print("no native segcalc-cli (%r): skipped" % native)
        return SKIP
    rng = random.Random(20261209)
    rows = ["弧长\t弦长\t弦高\t勾选"]
    rows += [realistic(rng) if rng.random() < 0.8 else hostile(rng) for _ in range(lines)]
    with tempfile.TemporaryDirectory(prefix="segcalc-differential-") as work:
        path = os.path.join(work, "list.tsv")
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(rows) + "\n")
        env = {**os.environ, "LC_ALL": "C.UTF-8"}
        runs = [subprocess.run([cli, "--batch", "--exact", "-j", "1", path], capture_output=True, env=env,
                               timeout=540) for cli in (native, other)]
    failed = False
    for what in ("returncode", "stdout", "stderr"):
        a, b = (getattr(run, what) for run in runs)
        if a != b:
            failed = True
            print("FAIL: %s differs" % what)
            if what != "returncode":
                for number, (x, y) in enumerate(zip(a.splitlines(), b.splitlines()), 1):
                    if x != y:
                        print("first difference on line %d:\n  %r\n  %r" % (number, x, y))
                        break
    outputs = runs[0].stdout.count(b"\n")
    if outputs != len(rows):
        failed = True
        print("FAIL: %d output lines for %d input lines" % (outputs, len(rows)))
    if failed:
        return 1
    print("%d lines, %d bytes: the same from both" % (len(rows), len(runs[0].stdout)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
