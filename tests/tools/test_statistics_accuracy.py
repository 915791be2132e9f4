#!/usr/bin/env python3
"""Statistics through tovrin-keys where the running sums cancel: NIST's
NumAcc1 to NumAcc4 to their certified digits, and a state file whose
registers differ from their companions falling back to the sums."""
import math, os, re, subprocess, sys, tempfile

driver = sys.argv[1]
failures = []


def run(*args, levels=1):
    r = subprocess.run([driver, "--function", "statistical", "--format", "scientific:all",
                        "--levels", str(levels), *args], capture_output=True, text=True, timeout=60)
    if r.returncode != 0:
        failures.append(f"{args[:4]}...: status {r.returncode} {r.stderr!r}")
    return [float(line.split("\t")[-1]) for line in r.stdout.splitlines()]


def digits(got, want):
    return math.inf if got == want else -math.log10(abs(got - want) / abs(want))


def points(values):
    keys = []
    for v in values:
        keys += [v, "SigmaPlus"]
    return keys


# Name, data, certified mean and s, digits wanted of s (means: 11).
numacc = [
    ("NumAcc1", ["10000001", "10000003", "10000002"], 10000002, 1, 11),
    ("NumAcc2", ["1.2"] + ["1.1", "1.3"] * 500, 1.2, 0.1, 11),
    ("NumAcc3", ["1000000.2"] + ["1000000.1", "1000000.3"] * 500, 1000000.2, 0.1, 9),
    ("NumAcc4", ["10000000.2"] + ["10000000.1", "10000000.3"] * 500, 10000000.2, 0.1, 8),
]
for name, data, mean, s, wanted in numacc:
    got_mean = run(*points(data), "MeanX")[0]
    got_s = run(*points(data), "StdDev")[0]
    if digits(got_mean, mean) < 11:
        failures.append(f"{name} mean {got_mean!r}")
    if digits(got_s, s) < wanted:
        failures.append(f"{name} s {got_s!r}: {digits(got_s, s):.1f} digits, {wanted} wanted")

# Through --state: the companions persist with the sums; without them, or
# with registers that no longer match, the results follow the one-pass
# formulas on the sums, which give s = 0 for these data.
with tempfile.TemporaryDirectory() as folder:
    state = os.path.join(folder, "tovrin.conf")
    run("--state", state, *points(["100000001", "100000002", "100000003"]))
    with open(state) as f:
        saved = f.read()
    edits = [
        ("as saved", saved, 1),
        ("no statistics group", re.sub(r"\[statistics\][^[]*", "", saved), 0),
        ("registers changed", re.sub(r"(registers=)(\w)", lambda m: m[1] + ("1" if m[2] != "1" else "2"), saved), 0),
    ]
    for name, text, want in edits:
        with open(state, "w") as f:
            f.write(text)
        got = run("--state", state, "StdDev")[0]
        if got != want:
            failures.append(f"--state, {name}: s {got!r}, {want} wanted")

for failure in failures:
    print("FAIL", failure)
print(f"{len(numacc) * 2 + 3 - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
