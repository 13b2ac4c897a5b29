#!/usr/bin/env python3
"""Runs the command-line calculator over a golden table and compares its
standard output, standard error and exit status with the table, exactly.

    golden.py PROGRAM TABLE

A case in the table is a run of lines:
    $ ARGUMENTS        the arguments, in shell syntax (the program is not named)
    < TEXT             a line of standard input (none: empty input)
    > TEXT             a line of standard output; ">" alone is an empty line
    ! TEXT             a line of standard error
    ? STATUS           the exit status; ends the case
Every output line ends with a newline. "#" starts a comment line. Files that
arguments name are looked up beside the table.
"""
import os
import shlex
import subprocess
import sys


def cases(path):
    case = None
    for number, raw in enumerate(open(path, encoding="utf-8").read().split("\n"), 1):
        if not raw or raw.startswith("#"):
            continue
        kind, text = raw[0], raw[2:]
        if kind == "$":
            case = {"line": number, "args": shlex.split(text), "in": "", "out": "", "err": ""}
        elif kind == "?":
            yield case, int(text)
            case = None
        else:
            case[{"<": "in", ">": "out", "!": "err"}[kind]] += text + "\n"


def main():
    program, table = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    failed = total = 0
    for case, status in cases(table):
        total += 1
        run = subprocess.run([program] + case["args"], input=case["in"].encode(),
                             capture_output=True, cwd=os.path.dirname(table), timeout=10)
        got = (run.stdout.decode(errors="replace"), run.stderr.decode(errors="replace"),
               run.returncode)
        want = (case["out"], case["err"], status)
        if got != want:
            failed += 1
            print(f"{table}:{case['line']}: bc16 {shlex.join(case['args'])}")
            for name, g, w in zip(("stdout", "stderr", "status"), got, want):
                if g != w:
                    print(f"  {name}: got {g!r}\n  {name}: want {w!r}")
    print(f"{total - failed} passed, {failed} failed")
    return 1 if failed or total == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
