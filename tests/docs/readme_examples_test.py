#!/usr/bin/python3
"""Runs every console example of the README and compares what it prints.

A block of ```console holds commands after '$ ' and, below each, what it
prints. The commands of all blocks run in order in one scratch folder (an
example may read a file an earlier one wrote), with segcalc-cli first on the
PATH. Trailing blanks are not compared: a terminal does not show them.
"""
import os
import re
import subprocess
import sys
import tempfile


def examples(readme):
    blocks = re.findall(r"```console\n(.*?)```", readme, re.S)
    for block in blocks:
        command, expected = None, []
        for line in block.splitlines():
            if line.startswith("$ "):
                if command is not None:
                    yield command, expected
                command, expected = line[2:], []
            else:
                expected.append(line)
        if command is not None:
            yield command, expected


def main():
    readme_path, cli = sys.argv[1], sys.argv[2]
    with open(readme_path, encoding="utf-8") as f:
        readme = f.read()
    env = {**os.environ, "LC_ALL": "C.UTF-8",
           "PATH": os.path.dirname(os.path.abspath(cli)) + os.pathsep + os.environ["PATH"]}
    failures = 0
    count = 0
    with tempfile.TemporaryDirectory(prefix="segcalc-readme-") as work:
        for command, expected in examples(readme):
            count += 1
            run = subprocess.run(["sh", "-c", command], cwd=work, env=env, capture_output=True,
                                 text=True, timeout=120)
            got = [line.rstrip() for line in run.stdout.splitlines()]
            want = [line.rstrip() for line in expected]
            if got != want:
                failures += 1
                print("FAIL: $ %s\n  expected: %r\n  got:      %r\n  stderr: %s"
                      % (command, want, got, run.stderr.strip()))
    print("%d README examples, %d failed" % (count, failures))
    return 1 if failures or count == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
