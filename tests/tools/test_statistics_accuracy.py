#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Statistics through tovrin-keys where the running sums cancel: certified
results to their digits, and state files whose registers differ from their
companions falling back to the one-pass formulas on the sums."""
import math, os, re, subprocess, sys, tempfile

driver = sys.argv[1]
failures = []


def run(keys, levels=1, state=None):
    args = [driver, "--function", "statistical", "--format", "scientific:all", "--levels", str(levels)]
    out = subprocess.run(args + (["--state", state] if state else []) + keys,
                         capture_output=True, text=True, timeout=60).stdout
    texts = [line.split("\t")[-1] for line in out.splitlines()]
    return [math.nan if t == "error" else float(t) for t in texts]


def points(xs, ys=None):
    keys = []
    for i, x in enumerate(xs):
        keys += ([ys[i], "Enter"] if ys else []) + [x, "SigmaPlus"]
    return keys


stamps = points([str(1700000000 + i) for i in range(20)], [str(3 + 2 * i) for i in range(20)])
# NIST's NumAcc1 to NumAcc4: the data, the certified mean and s, and the
# digits wanted of s (of every mean: 11).  MeanX then StdDev shows mean x,
# s y and s x.
numacc = [("10000001", ["10000003", "10000002"], 10000002, 1, 11), ("1.2", ["1.1", "1.3"] * 500, 1.2, 0.1, 11),
          ("1000000.2", ["1000000.1", "1000000.3"] * 500, 1000000.2, 0.1, 9),
          ("10000000.2", ["10000000.1", "10000000.3"] * 500, 10000000.2, 0.1, 8)]
# Keys, and the levels printed (highest first) as (certified value, digits
# wanted), None where not checked.
cases = [(points([first] + rest) + ["MeanX", "StdDev"], [(mean, 11), None, (s, digits)])
         for first, rest, mean, s, digits in numacc] + [
    (points(["100000001", "100000002", "100000003"]) + ["StdDev"], [(1, 11)]),
    (stamps + ["1700000010", "EstimateY"], [(2, 11), (23, 11)]),
    (stamps + ["23", "EstimateX"], [(1, 11), (1700000010, 11)]),
]
for keys, wanted in cases:
    got = run(["--input", "rpn"] + keys, levels=len(wanted))
    for g, (w, d) in [(g, w) for g, w in zip(got + [math.nan] * len(wanted), wanted) if w]:
        if not (g == w or -math.log10(abs(g - w) / w) >= d):
            failures.append(f"{keys[-1]} after {keys[:2]}...: {g!r}, {w} to {d} digits wanted")

# The companions persist with the sums.  Without them, or with registers
# that no longer match, the formulas on the sums give s = 0 here.
with tempfile.TemporaryDirectory() as folder:
    state = os.path.join(folder, "tovrin.conf")
    run(points(["100000001", "100000002", "100000003"]), state=state)
    saved = open(state).read()
    edits = [("as saved", saved, 1), ("no group", re.sub(r"\[statistics\][^[]*", "", saved), 0),
             ("registers changed", re.sub(r"registers=(\w)", lambda m: "registers=" + "12"[m[1] == "1"], saved), 0)]
    for name, text, want in edits:
        open(state, "w").write(text)
        got = run(["StdDev"], state=state)
        if got != [want]:
            failures.append(f"--state, {name}: s {got}, {want} wanted")

print("\n".join("FAIL " + f for f in failures) or "ok")
sys.exit(1 if failures else 0)
