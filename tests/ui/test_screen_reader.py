#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real window as a screen reader sees it: tovrin under Xvfb, on a D-Bus
session of its own with the accessibility bus, read through AT-SPI.

Typed 1234.5 on the keyboard, the display says "X: 1,234.5"; + 1 = pressed
through the keys' own accessible actions, it says "X: 1,235.5", and a screen
reader heard each key's result once.  The function selector is named by its
label, and the four menus have distinct Alt+ mnemonics.

usage: test_screen_reader.py TOVRIN

Needs Xvfb, xdotool, dbus-run-session, at-spi2-core and python3-pyatspi
(scripts/install-deps installs them); without them it is skipped (77)."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def missing_tools():
    missing = [tool for tool in ("Xvfb", "xdotool", "dbus-run-session") if not shutil.which(tool)]
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append("at-spi2-core")
    return missing


def main():
    if len(sys.argv) == 2:
        return outer(sys.argv[1])
    if len(sys.argv) == 3 and sys.argv[1] == "--inner":
        return inner(sys.argv[2])
    print(__doc__)
    return 2


def outer(tovrin):
    """Starts this script again inside a D-Bus session of its own, with the
    Python that has pyatspi."""
    missing = missing_tools()
    python = sys.executable
    if subprocess.run([python, "-c", "import pyatspi"], capture_output=True).returncode != 0:
        python = "/usr/bin/python3"
        if subprocess.run([python, "-c", "import pyatspi"], capture_output=True).returncode != 0:
            missing.append("python3-pyatspi")
    if missing:
        print("skipped: this machine lacks " + ", ".join(missing) + " (scripts/install-deps installs them)")
        return SKIP
    try:
        return subprocess.run(["dbus-run-session", "--", python, os.path.abspath(__file__), "--inner", tovrin],
                              timeout=120).returncode
    except subprocess.TimeoutExpired:
        print("FAIL: the test did not end within 120 s")
        return 1


class Session:
    """Xvfb, the accessibility bus and the calculator, ended in reverse."""

    def __init__(self):
        self.processes = []
        self.work = tempfile.mkdtemp(prefix="tovrin-a11y-")

    def start(self, args, **kwargs):
        process = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.work, ignore_errors=True)


def start_display(session):
    """An X display of its own: Xvfb picks a free number and writes it."""
    read, write = os.pipe()
    session.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                  pass_fds=(write,))
    os.close(write)
    number = b""
    with os.fdopen(read, "rb") as pipe:
        while not number.endswith(b"\n"):
            chunk = pipe.read(1)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
    return ":" + number.decode().strip()


def inner(tovrin):
    session = Session()
    try:
        os.environ["DISPLAY"] = start_display(session)
        os.environ["XDG_RUNTIME_DIR"] = os.path.join(session.work, "run")
        os.makedirs(os.environ["XDG_RUNTIME_DIR"], mode=0o700)
        session.start([BUS_LAUNCHER, "--launch-immediately"])
        time.sleep(0.5)
        env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(session.work, "config"), LANGUAGE="en",
                   QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        calculator = session.start([tovrin], env=env)
        return check(calculator)
    finally:
        session.close()


def check(calculator):
    import pyatspi
    from gi.repository import Atspi, GLib

    failures = []

    def expect(condition, message):
        if not condition:
            failures.append(message)
            print("FAIL: " + message)

    def pump(seconds, until=lambda: False):
        """Runs the main loop, which delivers the events, for up to
        `seconds` or until the condition holds."""
        end = time.monotonic() + seconds
        context = GLib.MainContext.default()
        while time.monotonic() < end and not until():
            while context.pending():
                context.iteration(False)
            time.sleep(0.02)
        return until()

    def application():
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and (app.name or "").lower().startswith("tovrin"):
                return app
        return None

    def find(node, test):
        found = []
        stack = [node]
        while stack:
            item = stack.pop()
            try:
                if test(item):
                    found.append(item)
                stack.extend(item.getChildAtIndex(i) for i in reversed(range(item.childCount)))
            except Exception:
                pass
        return found

    def role(item):
        return item.getRoleName()

    def text_of(item):
        return item.queryText().getText(0, -1)

    app = None
    if pump(30, lambda: calculator.poll() is not None or application() is not None):
        app = application()
    if app is None:
        print("FAIL: the calculator never appeared on the accessibility bus")
        return 1

    # A first start asks for the input mode: take what it offers, pressed
    # once (a press is an animated click: pressed again, it starts over).
    pressed = []

    def first_question():
        for alert in find(app, lambda a: role(a) in ("alert", "dialog")):
            for button in find(alert, lambda a: role(a) == "push button" and a.name == "OK"):
                if not pressed or time.monotonic() - pressed[-1] > 2:
                    pressed.append(time.monotonic())
                    try:
                        button.queryAction().doAction(0)
                    except Exception:
                        pass  # the box went away before it answered
        return False

    displays = []

    def display_found():
        displays.extend(find(app, lambda a: role(a) == "label" and (a.name or "").startswith("X:")))
        return bool(displays)

    pump(30, lambda: first_question() or display_found())
    if not displays:
        print("FAIL: no display named X: in the tree")
        return 1
    display = displays[0]

    # The events a screen reader hears of the display.
    heard = []

    def on_event(event):
        try:
            if event.source == display:
                heard.append((event.type, event.any_data if isinstance(event.any_data, str) else ""))
        except Exception:
            pass

    listener = Atspi.EventListener.new(on_event)
    for kind in ("object:text-changed:insert", "object:property-change:accessible-name"):
        listener.register(kind)
    pump(0.5)

    # Typed on the keyboard, into the window with the focus.
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(calculator.pid)],
                            capture_output=True, text=True, timeout=20).stdout.split()
    expect(bool(window), "xdotool found no window of the calculator")
    if window:
        subprocess.run(["xdotool", "windowfocus", "--sync", window[0]], timeout=10)
        subprocess.run(["xdotool", "type", "--delay", "40", "1234.5"], timeout=20)
    typed = pump(5, lambda: text_of(display) == "X: 1,234.5")
    expect(typed, "after typing 1234.5 the display says %r" % text_of(display))
    expect(display.name == text_of(display), "the display's name %r is not its text" % display.name)

    # + 1 = through the keys' own Press actions, as a screen reader presses them.
    keys = {k.name: k for k in find(app, lambda a: role(a) == "push button")}
    for name in ("Plus", "One", "Equals"):
        expect(name in keys, "no key named %s" % name)
    if typed and all(name in keys for name in ("Plus", "One", "Equals")):
        pump(0.5)
        del heard[:]
        for name in ("Plus", "One", "Equals"):
            keys[name].queryAction().doAction(0)
            pump(1)
        pump(1)
        expect(text_of(display) == "X: 1,235.5", "after + 1 = the display says %r" % text_of(display))
        inserted = [data for kind, data in heard if kind.endswith("insert")]
        expect(inserted == ["X: 1", "X: 1,235.5"],
               "a screen reader heard %r, not each key's result once" % inserted)
        expect(sum(1 for kind, _ in heard if "accessible-name" in kind) == 2,
               "name changes of the display: %r" % heard)

    # The function selector, named by its label.
    selectors = find(app, lambda a: role(a) == "combo box")
    labels = []
    for selector in selectors:
        for relation in selector.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                labels += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    expect("Function:" in labels, "the function selector is labelled by %r" % labels)

    # The four menus, each with its own Alt+ mnemonic.
    menus = find(app, lambda a: role(a) == "menu item" and a.name in ("Calculator", "Edit", "Options", "Help"))
    bindings = sorted(m.queryAction().getKeyBinding(0) for m in menus)
    expect(bindings == ["Alt+C", "Alt+E", "Alt+H", "Alt+O"], "the menus' mnemonics are %r" % bindings)

    if failures:
        return 1
    print("ok: the display says %r, a screen reader heard %d results" % (text_of(display), 2))
    return 0


if __name__ == "__main__":
    sys.exit(main())
