#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the shared key-sequence acceptance cases against tovrin-keys.

Usage: run-acceptance.py --driver PATH --cases DIR ENTRY...

Each ENTRY is a case file name in DIR, optionally followed by ':' and the
line numbers of '$' lines whose blocks wait for work not yet done
(e.g. "entry.txt:63").  Those blocks are left out; everything else in the
file must pass.  Exits 77 (skipped) when DIR does not exist.
"""
import argparse, os, subprocess, sys, tempfile

SKIP = 77


def filtered(path, skipped):
    """The text of a case file without the blocks that hold a skipped line."""
    kept, block, found = [], [], set()

    def flush():
        if block and not any(n in skipped for n, _ in block):
            kept.extend(line for _, line in block)
            kept.append("")
        found.update(n for n, _ in block if n in skipped)
        block.clear()

    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip():
                flush()
            else:
                block.append((number, line))
    flush()
    missing = skipped - found
    if missing:
        sys.exit(f"{os.path.basename(path)}: no case at lines {sorted(missing)}")
    return "\n".join(kept) + "\n"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--driver", required=True)
    ap.add_argument("--cases", required=True)
    ap.add_argument("entries", nargs="*")
    a = ap.parse_args()
    if not os.path.isdir(a.cases):
        print(f"acceptance cases are not present ({a.cases}): skipped")
        return SKIP
    runner = os.path.join(a.cases, "run.py")
    entries = [e for e in a.entries if e]
    if not entries:
        print("no acceptance case files are listed: skipped")
        return SKIP
    with tempfile.TemporaryDirectory() as scratch:
        files = []
        for entry in entries:
            name, _, lines = entry.partition(":")
            skipped = {int(n) for n in lines.split(",") if n}
            path = os.path.join(a.cases, name)
            target = os.path.join(scratch, name)
            with open(target, "w", encoding="utf-8") as out:
                out.write(filtered(path, skipped))
            files.append(target)
        return subprocess.call([sys.executable, runner, "--driver", a.driver] + files)


if __name__ == "__main__":
    sys.exit(main())
