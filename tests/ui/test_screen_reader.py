#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real window as a screen reader sees it: tovrin on a virtual X display,
in a D-Bus session of its own with the accessibility bus, read through
AT-SPI.  Typed 1234.5, the display says "X: 1,234.5"; + 1 = pressed through
the keys' accessible actions, it says "X: 1,235.5" and a screen reader heard
each key's result once; the function selector is labelled "Function:" and
the four menus have distinct Alt+ mnemonics.

usage: test_screen_reader.py TOVRIN
Skipped (77) on a machine without Xvfb, xdotool, dbus-run-session,
at-spi2-core or python3-pyatspi; scripts/install-deps installs them."""

import os
import shutil
import subprocess
import sys
import tempfile
import time

BUS = "/usr/libexec/at-spi-bus-launcher"


def outer(tovrin):
    """Runs the test again inside a D-Bus session, with a Python that has pyatspi."""
    missing = [t for t in ("Xvfb", "xdotool", "dbus-run-session") if not shutil.which(t)]
    missing += [] if os.access(BUS, os.X_OK) else ["at-spi2-core"]
    python = next((p for p in (sys.executable, "/usr/bin/python3")
                   if subprocess.run([p, "-c", "import pyatspi"], capture_output=True).returncode == 0), None)
    missing += [] if python else ["python3-pyatspi"]
    if missing:
        print("skipped: this machine lacks " + ", ".join(missing) + " (scripts/install-deps installs them)")
        return 77
    try:
        return subprocess.run(["dbus-run-session", "--", python, __file__, "--inner", tovrin], timeout=150).returncode
    except subprocess.TimeoutExpired:
        print("FAIL: no end within 150 s")
        return 1


def inner(tovrin):
    """Xvfb on a free display, the accessibility bus and the calculator, then the checks."""
    work = tempfile.mkdtemp(prefix="tovrin-a11y-")
    started = []
    try:
        read, write = os.pipe()
        started.append(subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24"],
                                        pass_fds=(write,), stderr=subprocess.DEVNULL))
        os.close(write)
        with os.fdopen(read) as pipe:
            os.environ["DISPLAY"] = ":" + pipe.readline().strip()
        os.environ["XDG_RUNTIME_DIR"] = work
        started.append(subprocess.Popen([BUS, "--launch-immediately"], stderr=subprocess.DEVNULL))
        time.sleep(0.5)
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(work, "config"), LANGUAGE="en", QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        started.append(subprocess.Popen([tovrin], env=env, stderr=subprocess.DEVNULL))
        return check(started[-1])
    finally:
        for process in reversed(started):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(work, ignore_errors=True)


def check(calculator):
    import pyatspi
    from gi.repository import Atspi, GLib

    def pump(seconds, until=lambda: False):
        """Delivers events for up to `seconds`, or until the condition holds."""
        end = time.monotonic() + seconds
        while time.monotonic() < end and not until():
            while GLib.MainContext.default().iteration(False):
                pass
            time.sleep(0.02)
        return until()

    def find(node, test):
        found, stack = [], [node]
        while stack:
            item = stack.pop()
            try:
                if test(item):
                    found.append(item)
                stack += [item.getChildAtIndex(i) for i in range(item.childCount)]
            except Exception:
                pass  # gone while we looked
        return found

    def app():
        desktop = pyatspi.Registry.getDesktop(0)
        apps = (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
        return next((a for a in apps if a is not None and (a.name or "").startswith("tovrin")), None)

    def role(item, *roles):
        return item.getRoleName() in roles

    if not pump(30, lambda: calculator.poll() is not None or app() is not None) or calculator.poll() is not None:
        print("FAIL: the calculator never appeared on the accessibility bus")
        return 1

    # A first start asks for the input mode: take what it offers, pressed
    # once (a press is an animated click: pressed again, it starts over).
    pressed, displays = [], []

    def ready():
        for button in find(app(), lambda a: role(a, "push button") and a.name == "OK" and role(a.parent.parent, "alert")):
            if not pressed or time.monotonic() - pressed[-1] > 2:
                pressed.append(time.monotonic())
                try:
                    button.queryAction().doAction(0)
                except Exception:
                    pass  # the box went before it answered
        displays.extend(find(app(), lambda a: role(a, "label") and (a.name or "").startswith("X:")))
        return bool(displays)

    if not pump(30, ready):
        print("FAIL: no display named X: in the tree")
        return 1
    display, failures = displays[0], []

    def expect(condition, message):
        if not condition:
            failures.append(message)
            print("FAIL: " + message)

    def text():
        return display.queryText().getText(0, -1)

    heard = []
    listener = Atspi.EventListener.new(lambda e: heard.append((e.type, e.any_data)) if e.source == display else None)
    for kind in ("object:text-changed:insert", "object:property-change:accessible-name"):
        listener.register(kind)
    pump(0.5)

    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(calculator.pid)],
                            capture_output=True, text=True, timeout=20).stdout.split()[:1]
    subprocess.run(["xdotool", "windowfocus", "--sync"] + window, timeout=10)
    subprocess.run(["xdotool", "type", "--delay", "40", "1234.5"], timeout=20)
    expect(pump(5, lambda: text() == "X: 1,234.5"), "after typing 1234.5 the display says %r" % text())
    expect(display.name == text(), "the display's name %r is not its text" % display.name)

    keys = {k.name: k for k in find(app(), lambda a: role(a, "push button"))}
    del heard[:]
    for name in ("Plus", "One", "Equals"):
        keys[name].queryAction().doAction(0)
        pump(1)
    expect(text() == "X: 1,235.5", "after + 1 = the display says %r" % text())
    inserted = [data for kind, data in heard if kind.endswith("insert")]
    expect(inserted == ["X: 1", "X: 1,235.5"], "a screen reader heard %r, not each result once" % inserted)
    expect(len(heard) == 4, "the display's events: %r" % heard)

    labels = [relation.getTarget(i).name
              for selector in find(app(), lambda a: role(a, "combo box"))
              for relation in selector.getRelationSet() if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
              for i in range(relation.getNTargets())]
    expect(labels == ["Function:"], "the function selector is labelled by %r" % labels)

    menus = find(app(), lambda a: role(a, "menu item") and a.name in ("Calculator", "Edit", "Options", "Help"))
    bindings = sorted(m.queryAction().getKeyBinding(0) for m in menus)
    expect(bindings == ["Alt+C", "Alt+E", "Alt+H", "Alt+O"], "the menus' mnemonics are %r" % bindings)

    if not failures:
        print("ok: the display says %r; a screen reader heard %r" % (text(), inserted))
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--inner":
        sys.exit(inner(sys.argv[2]))
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(outer(sys.argv[1]))
