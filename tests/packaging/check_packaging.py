#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks of the desktop integration and the packaging, one per command:

    check_packaging.py --source DIR --build DIR --version V CHECK

CHECK is desktop_entry, metainfo, manual_pages, keyboard_shortcuts,
guide_shortcuts, install, package, lintian or licence.
Exits 0 when the check holds, 1 with the reasons otherwise.
"""

import argparse
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

APP_ID = "io.github.tovrin.Tovrin"
ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)
# Exit code of a check that cannot run on this machine.
SKIPPED = 77


def installed_files(prefix=""):
    """Every file an installation holds, relative to the prefix."""
    files = [
        "bin/tovrin",
        "bin/tovrin-keys",
        "share/applications/%s.desktop" % APP_ID,
        "share/metainfo/%s.metainfo.xml" % APP_ID,
        "share/icons/hicolor/scalable/apps/%s.svg" % APP_ID,
        "share/man/man1/tovrin.1.gz",
        "share/man/man1/tovrin-keys.1.gz",
        "share/doc/tovrin/copyright",
        "share/doc/tovrin/changelog.gz",
        "share/doc/tovrin/guide.md",
    ]
    files += ["share/icons/hicolor/%dx%d/apps/%s.png" % (s, s, APP_ID) for s in ICON_SIZES]
    return [prefix + f for f in files]


class Check:
    def __init__(self, args):
        self.source = args.source
        self.build = args.build
        self.version = args.version
        self.faults = []

    def fail(self, message):
        self.faults.append(message)

    def run(self, command, env=None):
        # A locale every Debian system has, so man and groff never warn
        # about a missing one.
        env = dict(env or os.environ, LC_ALL="C.UTF-8")
        return subprocess.run(command, capture_output=True, text=True, env=env)

    def packaging_file(self, suffix):
        return os.path.join(self.source, "packaging", APP_ID + suffix)

    # -- the desktop entry and the metadata --------------------------------

    def desktop_entry(self):
        path = self.packaging_file(".desktop")
        result = self.run(["desktop-file-validate", path])
        if result.returncode or result.stdout.strip():
            self.fail("desktop-file-validate: " + result.stdout + result.stderr)
        entry = dict(line.rstrip("\n").split("=", 1)
                     for line in open(path, encoding="utf-8") if "=" in line)
        if entry.get("Icon") != APP_ID:
            self.fail("the desktop entry's icon is %r, not the application id"
                      % entry.get("Icon"))
        if entry.get("Categories") != "Utility;Calculator;":
            self.fail("categories are %r" % entry.get("Categories"))
        if entry.get("Exec", "").split()[0] != "tovrin":
            self.fail("the desktop entry does not start tovrin")

    def metainfo(self):
        path = self.packaging_file(".metainfo.xml")
        result = self.run(["appstreamcli", "validate", "--no-net", path])
        if result.returncode:
            self.fail("appstreamcli validate: " + result.stdout + result.stderr)
        root = ET.parse(path).getroot()
        if root.findtext("id") != APP_ID:
            self.fail("the metadata's id is %r" % root.findtext("id"))
        if root.findtext("launchable") != APP_ID + ".desktop":
            self.fail("the metadata launches %r" % root.findtext("launchable"))
        versions = [r.get("version") for r in root.iter("release")]
        if self.version not in versions:
            self.fail("no release %s in the metadata (%s)" % (self.version, versions))
        if root.findtext("project_license") != "GPL-3.0-or-later":
            self.fail("the metadata's project licence is %r" % root.findtext("project_license"))
        # No screenshot until the project has a web address for one.
        if list(root.iter("screenshot")):
            self.fail("the metadata points at a screenshot address")

    # -- the manual pages ---------------------------------------------------

    def manual_pages(self):
        pages = {name: os.path.join(self.source, "docs", "man", name + ".1")
                 for name in ("tovrin", "tovrin-keys")}
        for name, path in pages.items():
            for command in (["groff", "-man", "-ww", "-z", path],
                            ["man", "--warnings", "-l", path]):
                result = self.run(command, env=dict(os.environ, MANPAGER="cat",
                                                    PAGER="cat", MANWIDTH="80"))
                if result.returncode or result.stderr.strip():
                    self.fail("%s: %s" % (" ".join(command[:2]), result.stderr.strip()))
            header = open(path, encoding="utf-8").readline()
            if '"Tovrin %s"' % self.version not in header:
                self.fail("%s.1 does not name version %s: %s" % (name, self.version, header))
        page = self.rendered(pages["tovrin-keys"])
        # Every option the driver's usage names, and every key name.
        usage = self.run([os.path.join(self.build, "tovrin-keys"), "--help"]).stdout
        for option in sorted(set(re.findall(r"--[a-z]+", usage))):
            if option not in page:
                self.fail("tovrin-keys.1 does not describe %s" % option)
        table = open(os.path.join(self.source, "core", "KeyList.h"), encoding="utf-8").read()
        words = set(re.findall(r"[A-Za-z0-9]+", page))
        keys = re.findall(r"X\((\w+), \d+\)", table)
        if len(keys) != 187:
            self.fail("read %d key names from core/KeyList.h" % len(keys))
        for key in keys:
            if key not in words:
                self.fail("tovrin-keys.1 does not list the key name %s" % key)
        # The calculator names its options in the usage line it prints for a
        # bad command line.
        stderr = self.run([os.path.join(self.build, "tovrin"), "--no-such-option"],
                          env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stderr
        usage = "".join(line for line in stderr.splitlines() if line.startswith("usage:"))
        if "--screenshot" not in usage:
            self.fail("tovrin printed no usage line: %r" % stderr)
        page = self.rendered(pages["tovrin"])
        for option in sorted(set(re.findall(r"--[a-z]+", usage))):
            if option not in page:
                self.fail("tovrin.1 does not describe %s" % option)

    def keyboard_shortcuts(self):
        """The keyboard section of tovrin.1 names each shortcut of
        tovrin --list-keys with the name of its key, and no others."""
        pairs = {(shortcut, name) for shortcut, _, name in self.listed_shortcuts()}
        if len(pairs) < 30:
            self.fail("tovrin --list-keys names only %d shortcuts" % len(pairs))
        path = os.path.join(self.source, "docs", "man", "tovrin.1")
        page = self.rendered(path)
        section = page[page.find("\nKEYBOARD\n"):page.find("\nENVIRONMENT\n")]
        flat = " ".join(section.split())
        for shortcut, name in sorted(pairs):
            if "%s %s" % (shortcut, name) not in flat:
                self.fail("tovrin.1 does not give the shortcut %r of %r" % (shortcut, name))
        # The keys' shortcuts come first, each a tagged paragraph, up to the
        # window's own.
        source = open(path, encoding="utf-8").read()
        keys = source[source.find(".SH KEYBOARD"):]
        keys = keys[:keys.find("\n.PP\n")]
        if keys.count("\n.TP\n") != len(pairs):
            self.fail("tovrin.1 lists %d key shortcuts, tovrin --list-keys %d"
                      % (keys.count("\n.TP\n"), len(pairs)))

    def guide_shortcuts(self):
        """The user guide's table of keyboard shortcuts gives each shortcut
        of tovrin --list-keys with the legend and the name of its key, and
        no others."""
        listed = {}
        for shortcut, legend, name in self.listed_shortcuts():
            listed.setdefault((shortcut, name), set()).add(legend)
        guide = open(os.path.join(self.source, "docs", "guide.md"), encoding="utf-8").read()
        section = guide[guide.find("\n## Keyboard shortcuts\n"):]
        section = section[:section.find("\n## ", 1)]
        rows = []
        for line in section.splitlines():
            if not line.startswith("|"):
                if rows:
                    break  # the first table ends
                continue
            cells = [c.strip().replace("`", "") for c in line.strip("|").split("|")]
            if len(cells) == 3 and cells[0] != "Keyboard" and not cells[0].startswith("---"):
                rows.append(cells)
        given = {}
        for shortcut, legend, name in rows:
            if (shortcut, name) in given:
                self.fail("the guide gives the shortcut %r of %r twice" % (shortcut, name))
            given[(shortcut, name)] = legend
        for pair in sorted(set(listed) - set(given)):
            self.fail("the guide does not give the shortcut %r of %r" % pair)
        for pair in sorted(set(given) - set(listed)):
            self.fail("the guide gives the shortcut %r of %r, which tovrin --list-keys does not" % pair)
        for pair in sorted(set(given) & set(listed)):
            if given[pair] not in listed[pair]:
                self.fail("the guide shows %r for %r, the keypad %s" % (given[pair], pair[1], sorted(listed[pair])))

    def listed_shortcuts(self):
        """(shortcut, legend, name) of every key of tovrin --list-keys that
        has a shortcut, without a window system."""
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        result = self.run([os.path.join(self.build, "tovrin"), "--list-keys"], env=env)
        if result.returncode:
            self.fail("tovrin --list-keys exits %d: %s" % (result.returncode, result.stderr))
        fields = [line.split("\t") for line in result.stdout.splitlines()]
        return {(f[7], f[5], f[6]) for f in fields if len(f) == 8 and f[7]}

    def rendered(self, path):
        """The page as plain text, hyphens as typed."""
        result = self.run(["groff", "-man", "-Tutf8", "-P", "-cbou", path],
                          env=dict(os.environ, GROFF_NO_SGR="1"))
        return result.stdout.replace("\u2010", "-").replace("\u2212", "-")

    # -- installation and package -------------------------------------------

    def install(self):
        with tempfile.TemporaryDirectory() as prefix:
            result = self.run(["cmake", "--install", self.build, "--prefix", prefix])
            if result.returncode:
                self.fail("cmake --install: " + result.stdout + result.stderr)
                return
            for path in installed_files():
                if not os.path.isfile(os.path.join(prefix, path)):
                    self.fail("not installed: " + path)
            for size in ICON_SIZES:
                path = os.path.join(prefix, "share/icons/hicolor/%dx%d/apps/%s.png"
                                    % (size, size, APP_ID))
                if os.path.isfile(path):
                    with open(path, "rb") as f:
                        head = f.read(24)
                    if struct.unpack(">II", head[16:24]) != (size, size):
                        self.fail("%s is not %d x %d pixels" % (path, size, size))
            driver = os.path.join(prefix, "bin", "tovrin-keys")
            if os.path.isfile(driver):
                result = self.run([driver, "--version"])
                if result.stdout.strip() != "tovrin-keys " + self.version:
                    self.fail("installed tovrin-keys --version says %r" % result.stdout)
                keys = ["--levels", "2", "--input", "rpn", "2", "Enter", "3", "Add"]
                built = self.run([os.path.join(self.build, "tovrin-keys")] + keys).stdout
                result = self.run([driver] + keys)
                if result.returncode or result.stdout != built:
                    self.fail("installed tovrin-keys prints %r, not %r" % (result.stdout, built))

    def build_package(self, folder):
        """The Debian package built into folder, or None."""
        result = self.run(["cpack", "-G", "DEB", "--config",
                           os.path.join(self.build, "CPackConfig.cmake"), "-B", folder])
        debs = [f for f in os.listdir(folder) if f.endswith(".deb")]
        if result.returncode or len(debs) != 1:
            self.fail("cpack: " + result.stdout + result.stderr)
            return None
        return os.path.join(folder, debs[0])

    def package(self):
        with tempfile.TemporaryDirectory() as folder:
            deb = self.build_package(folder)
            if not deb:
                return
            listing = self.run(["dpkg-deb", "-c", deb]).stdout
            paths = {line.split()[-1].lstrip(".") for line in listing.splitlines()}
            for path in installed_files("/usr/"):
                if path not in paths:
                    self.fail("not in the package: " + path)
            fields = {}
            for name in ("Package", "Version", "Depends"):
                fields[name] = self.run(["dpkg-deb", "-f", deb, name]).stdout.strip()
            if fields["Package"] != "tovrin" or fields["Version"] != self.version:
                self.fail("package fields: %s" % fields)
            for library in ("libc6", "libqt6widgets6", "libqt6gui6", "libqt6core6"):
                if not re.search(r"(^|, )%s( |,|$)" % library, fields["Depends"]):
                    self.fail("the package does not depend on %s: %s"
                              % (library, fields["Depends"]))


    def lintian(self):
        """Debian's package checks report no error and no warning."""
        if not shutil.which("lintian"):
            print("lintian: skipped, lintian is not installed")
            sys.exit(SKIPPED)
        with tempfile.TemporaryDirectory() as folder:
            deb = self.build_package(folder)
            if not deb:
                return
            result = self.run(["lintian", "--fail-on", "error,warning", deb])
            if result.returncode:
                self.fail("lintian: " + result.stdout + result.stderr)
            for line in result.stdout.splitlines():
                if line[:2] in ("E:", "W:"):
                    self.fail("lintian: " + line)

    # -- the licence --------------------------------------------------------

    def licence(self):
        """Every source file names its licence in its first lines."""
        sources = (".cpp", ".h", ".py", ".cmake")
        for folder, dirs, files in os.walk(self.source):
            dirs[:] = [d for d in dirs if not d.startswith((".", "build"))]
            for name in files:
                if not (name.endswith(sources) or name == "CMakeLists.txt"):
                    continue
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8") as f:
                    head = f.readline() + f.readline()
                if "SPDX-License-Identifier: GPL-3.0-or-later" not in head:
                    self.fail("no licence line: " + os.path.relpath(path, self.source))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--build", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("check", choices=["desktop_entry", "metainfo", "manual_pages", "keyboard_shortcuts",
                                          "guide_shortcuts", "install", "package", "lintian", "licence"])
    args = parser.parse_args()
    check = Check(args)
    getattr(check, args.check)()
    for fault in check.faults:
        print(fault)
    print("%s: %s" % (args.check, "failed" if check.faults else "passed"))
    return 1 if check.faults else 0


if __name__ == "__main__":
    sys.exit(main())
