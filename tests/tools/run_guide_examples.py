#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs every example of the user guide through tovrin-keys.

Usage: run_guide_examples.py --driver PATH --legends TABLE GUIDE

An example is a fenced block tagged `keys`.  In it, each line
'$ tovrin-keys ARGS' runs the driver with ARGS (split as a shell would), and
the lines after it, up to the next '$' line, are the stack lines it must
print, written 'NAME | LABEL | TEXT' (the driver separates the columns with
tabs).  A line '! N' instead expects exit status N and nothing on standard
output, '#' starts a comment line, and '@' in ARGS is a scratch folder that
lives for the whole block.

The guide names keys by their legends and gives the driver's names beside
them in its tables: in every table row, each key name in backquotes must
have its legend (from TABLE, the program's legend table) in the same row.

Exits 1 when an example fails, a legend disagrees, or the guide holds no
examples.
"""
import argparse
import os
import re
import shlex
import subprocess
import sys
import tempfile


def examples(path):
    """The keys blocks of the guide: lists of (line number, text)."""
    block = None
    with open(path, encoding="utf-8") as guide:
        for number, line in enumerate(guide, 1):
            line = line.rstrip("\n")
            fence = line.strip()
            if block is None:
                if fence.startswith("```") and fence[3:].strip() == "keys":
                    block = []
                    start = number
            elif fence.startswith("```"):
                yield start, block
                block = None
            elif fence and not fence.startswith("#"):
                block.append((number, line))
    if block is not None:
        raise SystemExit(f"{path}:{start}: the keys block is not closed")


def steps(path, block):
    """Each run of an example: [line number, arguments, expected lines, status]."""
    runs = []
    for number, line in block:
        if line.startswith("$ "):
            words = shlex.split(line[2:])
            if not words or words[0] != "tovrin-keys":
                raise SystemExit(f"{path}:{number}: an example runs tovrin-keys, not {line[2:]!r}")
            runs.append([number, words[1:], [], 0])
        elif not runs:
            raise SystemExit(f"{path}:{number}: stack lines before any '$' line")
        elif line.startswith("! "):
            runs[-1][3] = int(line[2:])
        else:
            runs[-1][2].append(columns(line, "|"))
    return runs


def legend_faults(path, legends):
    """Table rows whose key names are not beside their legends."""
    table = {}
    with open(legends, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                name, text = line.rstrip("\n").split("\t")[:2]
                table[name] = text
    faults, checked = [], 0
    with open(path, encoding="utf-8") as guide:
        for number, line in enumerate(guide, 1):
            if not line.startswith("|"):
                continue
            shown = re.sub(r"`[^`]*`", "", line).replace("\\|", "|")
            for name in re.findall(r"`(\w+)`", line):
                if name in table:
                    checked += 1
                    if table[name] not in shown:
                        faults.append(f"{os.path.basename(path)}:{number}: {name} is not beside "
                                      f"its legend {table[name]}")
    if not checked:
        faults.append(f"{os.path.basename(path)} names no key beside its legend")
    return faults


def columns(line, separator):
    return " | ".join(part.strip() for part in line.split(separator))


def run(driver, words, scratch):
    argv = [driver] + [w.replace("@", scratch) for w in words]
    try:
        r = subprocess.run(argv, capture_output=True, text=True, timeout=20)
    except (OSError, subprocess.TimeoutExpired) as e:
        return [f"<{e}>"], -1, ""
    return [columns(line, "\t") for line in r.stdout.splitlines()], r.returncode, r.stderr


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--driver", required=True)
    ap.add_argument("--legends", required=True)
    ap.add_argument("guide")
    a = ap.parse_args()
    name = os.path.basename(a.guide)
    passed = failed = 0
    for _, block in examples(a.guide):
        runs = steps(name, block)
        with tempfile.TemporaryDirectory() as scratch:
            for number, words, expected, status in runs:
                got, code, err = run(a.driver, words, scratch)
                if code == status and (got == expected if status == 0 else not got):
                    passed += 1
                    continue
                failed += 1
                print(f"FAIL {name}:{number}: tovrin-keys {shlex.join(words)}")
                print(f"     expected (status {status}): {expected}")
                print(f"     got      (status {code}): {got}")
                if err.strip():
                    print(f"     stderr: {err.strip()[:300]}")
    print(f"{passed} passed, {failed} failed")
    if passed + failed == 0:
        print(f"{name} holds no keys examples")
        return 1
    faults = legend_faults(a.guide, a.legends)
    for fault in faults:
        print(fault)
    return 1 if failed or faults else 0


if __name__ == "__main__":
    sys.exit(main())
