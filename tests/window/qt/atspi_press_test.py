#!/usr/bin/python3
"""The real program as a screen reader meets it: on a private X server, session bus and AT-SPI
bus, the window is a frame that presents no stored text, and the press actions of ALL and
Reset change the console line without a flood of rename events from the stored total.

Usage: atspi_press_test.py PROGRAM (with the system Python, which has Debian's pyatspi)"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

TIMEOUT = 30  # seconds for anything to happen, on a busy machine too

program = sys.argv[1]
runtime_dir = tempfile.mkdtemp(prefix="tallyglyph-atspi.")
processes = []


def start(command, env=None, **options):
    process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, **options)
    processes.append(process)
    return process


def start_reporting(command, env):
    """Starts a server that writes a line to a pipe once it is ready, and returns that line."""
    read_end, write_end = os.pipe()
    start([arg.replace("FD", str(write_end)) for arg in command], env,
          pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as ready:
        line = ready.readline().strip()
    if not line:
        sys.exit(f"atspi test: {command[0]} did not start")
    return line


def wait_for(what, condition, between=lambda: None):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        between()
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise TimeoutError(f"timed out waiting for {what}")


def main():
    env = {k: v for k, v in os.environ.items() if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env["XDG_RUNTIME_DIR"] = runtime_dir
    display = start_reporting(["Xvfb", "-displayfd", "FD", "-screen", "0", "800x600x24",
                               "-nolisten", "tcp"], env)
    env["DISPLAY"] = ":" + display
    # The AT-SPI bus starts on demand when the program or this test first asks for it.
    env["DBUS_SESSION_BUS_ADDRESS"] = start_reporting(
        ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=FD"], env)
    os.environ.update(DISPLAY=env["DISPLAY"], XDG_RUNTIME_DIR=runtime_dir,
                      DBUS_SESSION_BUS_ADDRESS=env["DBUS_SESSION_BUS_ADDRESS"])
    import pyatspi
    from gi.repository import GLib

    # Listening before the program starts, so it sends these events from the first.
    events = []
    pyatspi.Registry.registerEventListener(lambda event: events.append(str(event.type)),
                                           "object:property-change:accessible-name",
                                           "object:text-changed:insert")
    context = GLib.MainContext.default()

    def deliver_events():
        while context.iteration(False):
            pass

    start([program], dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"),
          stdout=subprocess.DEVNULL)
    desktop = pyatspi.Registry.getDesktop(0)

    def application():
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "tallyglyph" and app.childCount > 0:
                return app
        return None

    frame = wait_for("the program on the AT-SPI bus", application).getChildAtIndex(0)
    children = [frame.getChildAtIndex(i) for i in range(frame.childCount)]

    # Roles by value: their names change between AT-SPI releases ("push button", "button").
    def child(role, name):
        found = [c for c in children if c.getRole() == role and c.name == name]
        if len(found) != 1:
            raise AssertionError(f"expected one {role} named {name!r}, found {len(found)}")
        return found[0]

    passed = failed = 0

    def check(what, ok, detail=""):
        nonlocal passed, failed
        print(("ok   " if ok else "FAIL ") + what + (f": {detail}" if detail else ""))
        passed, failed = passed + ok, failed + (not ok)

    check("the window is a frame", frame.getRole() == pyatspi.ROLE_FRAME, frame.getRoleName())
    stored = {"set kv_emoteControl ", '"', "0"}
    check("no stored text is presented", not any(c.name in stored for c in children))

    line = child(pyatspi.ROLE_TEXT, "Console command").queryText()

    def line_ends_in(total):
        return lambda: line.getText(0, -1) == f'set kv_emoteControl "{total}"'

    def press(name):
        action = child(pyatspi.ROLE_PUSH_BUTTON, name).queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press"))

    wait_for("the first line", line_ends_in(0), deliver_events)
    for button, total in (("ALL", 4194303), ("Reset", 0)):
        deliver_events()
        events.clear()
        press(button)
        try:
            wait_for(f"the line after {button}", line_ends_in(total))
        except TimeoutError:
            check(f"pressing {button}", False, line.getText(0, -1))
            continue
        # The program sent every event of the press before it could answer with the new line,
        # and the bus keeps that order, so all of them are here to be delivered now.
        deliver_events()
        renames = sum(event.startswith("object:property-change:accessible-name") for event in events)
        shown = sum(event.startswith("object:text-changed:insert") for event in events)
        check(f"pressing {button}", renames == 0 and shown > 0,
              f"{line.getText(0, -1)}, {renames} rename events, {shown} text insertions")

    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


try:
    status = main()
finally:
    for process in reversed(processes):
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
    shutil.rmtree(runtime_dir, ignore_errors=True)
sys.exit(status)
