#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the command line of tovrin-keys: options, key tokens, output lines,
and that anything not understood exits 2 with nothing on standard output."""
import subprocess, sys

driver = sys.argv[1]
passed = failed = 0


def run(*args):
    r = subprocess.run([driver, *args], capture_output=True, text=True, timeout=20)
    return r.returncode, r.stdout, r.stderr


def check(name, condition, detail=""):
    global passed, failed
    if condition:
        passed += 1
    else:
        failed += 1
        print(f"FAIL {name} {detail}")


def refused(args, mention):
    code, out, err = run(*args)
    check(f"refused {args}", code == 2 and out == "" and mention in err, f"-> {code} {out!r} {err!r}")


def shows(args, lines, err_expected=""):
    code, out, err = run(*args)
    got = [line.split("\t") for line in out.splitlines()]
    want = [line.split("|") for line in lines]
    check(f"shows {args}", code == 0 and got == want and err_expected in err,
          f"-> {code} {got} {err!r}")


# Anything not understood: status 2, a message naming it, nothing printed.
refused(["--nonsense"], "--nonsense")
refused(["--input", "sideways"], "sideways")
refused(["--function", "astrology"], "astrology")
refused(["--stack", "5"], "5")
refused(["--stack", "24"], "24")
refused(["--word", "u64"], "u64")
refused(["--format", "fixed:13"], "fixed:13")
refused(["--format", "round"], "round")
refused(["--registers", "50"], "50")
refused(["--levels", "0"], "0")
refused(["--levels", "21"], "21")
refused(["--levels"], "--levels")
refused(["NoSuchKey"], "NoSuchKey")
refused(["1", "2", "Sine"], "Sine")
refused(["#256"], "#256")
refused(["#-1"], "#-1")
refused(["#"], "#")
refused(["Function=astrology"], "astrology")
refused(["Type=1\\q"], "Type=1\\q")
refused(["Type=1\\"], "Type=1\\")
refused(["1.2.3"], "1.2.3")
refused(["1e"], "1e")
refused(["-"], "-")
refused(["7", "--comma"], "--comma")
# Every argument is checked before any key is pressed.
refused(["7", "Undo", "Bogus"], "Bogus")

# --state: an error in the arguments leaves the state file untouched; a save
# that fails is reported with status 1.
import os, tempfile
with tempfile.TemporaryDirectory() as folder:
    state = os.path.join(folder, "tovrin.conf")
    code, out, err = run("--state", state, "4", "2")
    check("state saved", code == 0 and os.path.exists(state), f"-> {code} {err!r}")
    with open(state, "rb") as f:
        before = f.read()
    refused(["--state", state, "7", "Bogus"], "Bogus")
    refused(["--state", state, "--input", "sideways"], "sideways")
    with open(state, "rb") as f:
        check("state untouched", f.read() == before)
    # The open entry survives the restart.
    shows(["--state", state], ["X||42"])
    blocker = os.path.join(folder, "file")
    open(blocker, "w").close()
    code, out, err = run("--state", os.path.join(blocker, "tovrin.conf"), "1")
    check("failed save", code == 1 and blocker in err, f"-> {code} {err!r}")
    # A stray line: the state is loaded, the save succeeds, one line tells
    # where the damaged file is kept.
    with open(state, "r+") as f:
        damaged = "HLM\n" + f.read()
        f.seek(0)
        f.write(damaged)
    code, out, err = run("--state", state, "Add", "1", "Equals")
    copies = [n for n in os.listdir(folder) if n.startswith("tovrin.conf.damaged-")]
    check("damaged state", code == 0 and out == "X\t\t43.\n" and len(copies) == 1
          and copies[0] in err and err.count("\n") == 1, f"-> {code} {out!r} {err!r} {copies}")

code, out, err = run("--help")
check("help", code == 0 and out.startswith("Usage: tovrin-keys") and err == "")
code, out, err = run("--version")
check("version", code == 0 and out == "tovrin-keys 1.4.4\n")

# A first start shows 0. in X, and the lines go from the highest level down.
shows([], ["X||0."])
shows(["--levels", "5"], ["5||0.", "T||0.", "Z||0.", "Y||0.", "X||0."])

# Number tokens type their keys; the typed text shows as typed.
shows(["-1.50e-3"], ["X||-1.50e-3"])
shows(["1234.5"], ["X||1,234.5"])
shows([".5"], ["X||0.5"])
shows(["--comma", "1234.5"], ["X||1.234,5"])
shows(["2e+5"], ["X||2e5"])
# Key names in any case, and key codes.
shows(["digit7", "DIGIT8"], ["X||78"])
shows(["#7", "#16", "#5"], ["X||7.5"])
# Options set the records: format with places, word size, function.
shows(["--format", "fixed:2", "7", "Enter"], ["X||7.00"])
shows(["--format=scientific:all", "1500", "Enter"], ["X||1.5e3"])
shows(["--function", "programmer", "255", "Hexadecimal"], ["X|s32|00FF."])
shows(["--function", "programmer", "--word", "u8", "255", "Binary"], ["X|u8|11111111."])
shows(["Function=Programmer", "8", "Octal"], ["X|s32|10."])
# The label is the word size when the number base is not decimal.
shows(["--function", "programmer", "--levels", "2", "5", "Enter", "Hexadecimal"],
      ["Y||0005.", "X|s32|0005."])
# Paste reads exactly one number; a refusal says why and changes nothing.
shows(["Paste=1,234,567.89"], ["X||1,234,567.89"])
shows(["--comma", "Paste=1.234,5"], ["X||1.234,5"])
shows(["5", "Paste=12abc34", "Add", "1", "Equals"], ["X||6."], "no number")
shows(["5", "Paste=7", "Undo"], ["X||5"])
shows(["--function", "programmer", "--word", "u8", "Hexadecimal", "Paste=1FF"], ["X|u8|0."],
      "does not fit the word")
# An empty history: a message on standard error, the state unchanged.
shows(["Undo"], ["X||0."], "Nothing to Undo")
shows(["4", "Redo"], ["X||4"], "Nothing to Redo")
# --tape: the tape's lines after the stack; ClearTape is a step Undo takes back.
shows(["--tape", "--input", "rpn", "3", "Enter", "4", "Multiply", "ClearTape", "Undo"],
      ["X||12.", "TAPE|3. × 4. = 12."])
# Typed characters go through the window's keyboard map: a minus right
# after the exponent mark is its sign, except in hexadecimal; escapes for
# Return, Backspace and Esc; characters the map ignores do nothing.
shows(["Type=1e-5="], ["X||0.00001"])
shows(["--function", "programmer", "Hexadecimal", "Type=1e-5="], ["X|s32|0019."])
shows(["--input", "rpn", "Type=3\\r4*"], ["X||12."])
shows(["Type=12\\b5\\e7", "Add", "Type=1="], ["X||8."])
shows(["Type=2^3=", "Type=#?"], ["X||8."])
shows(["--function", "financial", "Type=2^3="], ["X||23."])
shows(["Type=1\\\\2"], ["X||12"])
# Show-all lasts one key; shift is cleared after a key unless sticky.
shows(["--format", "fixed:2", "2", "Enter", "ShowAll"], ["X||2."])

print(f"{passed} passed, {failed} failed")
sys.exit(1 if failed else 0)
