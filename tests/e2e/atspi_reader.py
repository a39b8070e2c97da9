#!/usr/bin/env python3
"""Reads the real zbirnik program as a screen reader does, through AT-SPI.

Runs inside the program's own D-Bus session (under dbus-run-session), starts the program
with accessibility on, reads the main window's role and name and the names of its lists and
of the order total, presses "Dodaj &Sve" with the keyboard, and reads the total again together
with the name changes the program announced. Prints what it read as one JSON object.

    atspi_reader.py ZBIRNIK_EXECUTABLE
"""

import json
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WAIT = 10.0
TOTAL_CAPTION = "Ukupno MB izabrano:"


def main_window(pid):
    end = time.monotonic() + WAIT
    while time.monotonic() < end:
        for application in pyatspi.Registry.getDesktop(0):
            if application is None or application.get_process_id() != pid:
                continue
            for window in application:
                if window is not None and window.name.startswith("Zbirnik"):
                    return window
        time.sleep(0.2)
    raise SystemExit("the main window did not appear on the accessibility bus")


def controls(node):
    """The window's controls; the rows of a list are not walked."""
    for child in node:
        if child is None:
            continue
        yield child
        if child.getRoleName() not in ("list", "combo box"):
            yield from controls(child)


def press_keys(keys):
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Zbirnik"],
                            capture_output=True, text=True, check=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    subprocess.run(["xdotool", "key", "--clearmodifiers", keys], check=True)


def read(pid):
    window = main_window(pid)
    reading = {"role": window.getRoleName(), "name": window.name}
    found = list(controls(window))
    reading["lists"] = [c.name for c in found if c.getRoleName() == "list"]
    total = next(c for c in found if c.name.startswith(TOTAL_CAPTION) and c.name != TOTAL_CAPTION)
    reading["total_before"] = total.name

    heard = []
    pyatspi.Registry.registerEventListener(
        lambda event: heard.append(str(event.any_data)), "object:property-change:accessible-name")
    GLib.timeout_add(300, lambda: press_keys("alt+s") and False)
    GLib.timeout_add(3000, lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()
    reading["heard"] = heard
    reading["total_after"] = total.name
    reading["name_after"] = window.name
    return reading


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        print(json.dumps(read(program.pid)))
    finally:
        program.kill()
        program.wait()


if __name__ == "__main__":
    main()
