#!/usr/bin/python3
"""The bar plan against CBC on many random small lists.

For each list every pattern a bar can hold is enumerated (A + B + sum(l + K)
at most the bar), the integer program "fewest bars covering every quantity"
over all of them is written as an LP file and solved by cbc; the plan's bar
count must equal CBC's optimum, and its bound must not exceed it. CBC is a
test oracle only: nothing of segcalc links or runs it.

    cbc_oracle_test.py BARPLAN_PROBE [LISTS]

Exits 77 (skipped) only when cbc is missing.
"""
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

SKIP = 77


def patterns(capacity, weights):
    """Every nonzero count vector whose weight fits the capacity."""
    found = []

    def extend(i, left, counts):
        if i == len(weights):
            if any(counts):
                found.append(list(counts))
            return
        for n in range(left // weights[i], -1, -1):
            counts.append(n)
            extend(i + 1, left - n * weights[i], counts)
            counts.pop()

    extend(0, capacity, [])
    return found


def cbc_optimum(cbc, work, capacity, weights, demands):
    every = patterns(capacity, weights)
    lines = ["Minimize", " bars: " + " + ".join("x%d" % j for j in range(len(every))),
             "Subject To"]
    for i, demand in enumerate(demands):
        terms = ["%d x%d" % (p[i], j) for j, p in enumerate(every) if p[i]]
        lines.append(" piece%d: %s >= %d" % (i, " + ".join(terms), demand))
    lines += ["General", " " + " ".join("x%d" % j for j in range(len(every))), "End"]
    path = os.path.join(work, "oracle.lp")
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")
    out = subprocess.run([cbc, path, "solve", "quit"], capture_output=True, text=True,
                         timeout=300).stdout
    match = re.search(r"Objective value:\s+([-\d.e+]+)", out)
    if not match or "Optimal" not in out:
        raise SystemExit("cbc gave no optimum:\n" + out)
    return round(float(match.group(1))), len(every)


def main():
    probe = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 120
    cbc = shutil.which("cbc")
    if cbc is None:
        print("cbc is not installed: skipped")
        return SKIP
    rng = random.Random(20261209)
    work = tempfile.mkdtemp(prefix="segcalc-cbc-")
    failures = 0
    try:
        for case in range(count):
            bar = rng.choice([1000, 1200, 2500, 3000, 6000])
            kerf = rng.choice([0, 0, 1, 3])
            ends = rng.choice([(0, 0), (0, 0), (5, 10)])
            lengths = sorted(rng.sample(range(bar // 12, bar // 2 + bar // 5), rng.randint(2, 5)),
                             reverse=True)
            demands = [rng.randint(1, 7) for _ in lengths]
            pieces = os.path.join(work, "pieces.txt")
            with open(pieces, "w") as f:
                f.write("长度\t数量\n")
                for length, demand in zip(lengths, demands):
                    f.write("%d\t%d\n" % (length, demand))
            plan = os.path.join(work, "plan.txt")
            run = subprocess.run([probe, pieces, plan, "--bar", str(bar), "--kerf", str(kerf),
                                  "--ends", "%d,%d" % ends], capture_output=True, text=True)
            if run.returncode != 0:
                print("FAIL case %d: the plan was refused: %s" % (case, run.stderr))
                failures += 1
                continue
            with open(plan, encoding="utf-8") as f:
                rows = [line.rstrip("\n").split("\t") for line in f]
            bars = sum(int(r[2]) for r in rows if r[0] == "新料根数")
            bound = int(next(r[1] for r in rows if r[0] == "下界").split()[0])
            capacity = bar - ends[0] - ends[1]
            optimum, every = cbc_optimum(cbc, work, capacity, [l + kerf for l in lengths], demands)
            verdict = "ok" if bars == optimum and bound <= optimum else "FAIL"
            if verdict == "FAIL":
                failures += 1
            print("%s case %d: bar %d kerf %d ends %s, %d lengths, %d patterns: plan %d, CBC %d, "
                  "bound %d" % (verdict, case, bar, kerf, ends, len(lengths), every, bars, optimum,
                                bound))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("%d passed, %d failed" % (count - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
