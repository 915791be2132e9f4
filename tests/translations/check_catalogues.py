#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that every catalogue is complete for the present sources:

    check_catalogues.py --cmake CMAKE --lupdate LUPDATE --project FILE
                        --generator FILE CATALOGUE...

Copies of the catalogues are brought up to date with lupdate exactly as the
target update_translations does (the same lupdate project, made by Qt's own
script from FILE), and then read: a text without a translation, a
translation left unfinished, an entry whose text the sources no longer have,
or a translation that drops or adds a %1 placeholder is a fault.  Exits 0
when there is none, 1 with the faults otherwise.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?\d")


def updated_copies(args, folder):
    project = os.path.join(folder, "project.json")
    subprocess.run([args.cmake, "-DIN_FILE=" + args.project, "-DOUT_FILE=" + project,
                    "-P", args.generator], check=True, capture_output=True)
    copies = []
    for catalogue in args.catalogues:
        copies.append(os.path.join(folder, os.path.basename(catalogue)))
        shutil.copyfile(catalogue, copies[-1])
    subprocess.run([args.lupdate, "-silent", "-project", project, "-ts"] + copies,
                   check=True, capture_output=True)
    return copies


def faults_of(path):
    """The faults of one updated catalogue, one line each."""
    faults = []
    root = ET.parse(path).getroot()
    if not root.get("language"):
        faults.append("no language")
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = "%s %r" % (name, source)
            translation = message.find("translation")
            kind = translation.get("type")
            if kind in ("vanished", "obsolete"):
                faults.append("%s: no longer in the sources" % where)
                continue
            if kind == "unfinished":
                faults.append("%s: not translated" % where)
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            for text in forms:
                if not text.strip():
                    faults.append("%s: empty translation" % where)
                elif sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)):
                    faults.append("%s: the placeholders of %r differ" % (where, text))
    return faults


def main():
    parser = argparse.ArgumentParser()
    for option in ("--cmake", "--lupdate", "--project", "--generator"):
        parser.add_argument(option, required=True)
    parser.add_argument("catalogues", nargs="+")
    args = parser.parse_args()
    failed = False
    with tempfile.TemporaryDirectory() as folder:
        for copy in updated_copies(args, folder):
            for fault in faults_of(copy):
                print("%s: %s" % (os.path.basename(copy), fault))
                failed = True
    if failed:
        print("Bring the catalogues up to date with `make translations`, then translate what is missing.")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
