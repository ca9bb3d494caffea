#!/usr/bin/python3
"""Runs the real program natively on Wayland, on a headless weston, and
checks its window and the worked values in both locales. Headless weston has
no input seat, so the boxes and the button are driven through the
accessibility bus, as assistive technology would.

usage: wayland_test.py PROGRAM, or a command that runs it (qemu-user and PROGRAM)
"""
import os
import subprocess
import sys
import tempfile

from desktop_session import (LOCALES, accessible_session, captions_of, find, run, start_program,
                             stop, wait_for, worked_cases)

PROGRAM = sys.argv[1:]
SOCKET = "triangle-area-test"


def start_weston(runtime_dir):
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--use-pixman", f"--socket={SOCKET}"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("weston's socket", lambda: os.path.exists(os.path.join(runtime_dir, SOCKET)))
    return weston


def box(pyatspi, name):
    return find(pyatspi, pyatspi.ROLE_TEXT, name)[0]


def run_case(pyatspi, sides, caption):
    for side, name in zip(sides, ("Сторона а", "Сторона b", "Сторона с")):
        box(pyatspi, name).queryEditableText().setTextContents(side)
    find(pyatspi, pyatspi.ROLE_PUSH_BUTTON, "Вывод данных")[0].queryAction().doAction(0)
    wait_for(f"'{caption}' for {sides}", lambda: caption in captions_of(pyatspi))


def check_window(pyatspi, locale):
    """The window's title and size, as the accessibility bus reports them."""
    windows = wait_for("the window", lambda: find(pyatspi, pyatspi.ROLE_FRAME, "Form1"))
    extents = windows[0].queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    if (extents.width, extents.height) != (732, 94):
        print(f"FAIL: {locale}: the window is {extents.width} x {extents.height}, not 732 x 94")
        return 1
    print(f"ok: {locale} the window «Form1» is 732 x 94")
    return 0


def main():
    with tempfile.TemporaryDirectory() as runtime_dir:
        os.chmod(runtime_dir, 0o700)
        os.environ.update(XDG_RUNTIME_DIR=runtime_dir, WAYLAND_DISPLAY=SOCKET)
        os.environ.pop("DISPLAY", None)
        weston = start_weston(runtime_dir)
        processes = [weston]
        try:
            with accessible_session() as pyatspi:
                failures = 0
                for locale, separator in LOCALES:
                    program = start_program(PROGRAM, LC_ALL=locale, QT_QPA_PLATFORM="wayland",
                                            QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
                    processes.insert(0, program)
                    failures += check_window(pyatspi, locale)
                    for sides, caption in worked_cases(separator):
                        run_case(pyatspi, sides, caption)
                        print(f"ok: {locale} {sides} -> {caption}")
                    find(pyatspi, pyatspi.ROLE_PUSH_BUTTON, "Exit")[0].queryAction().doAction(0)
                    code = program.wait(timeout=10)
                    if code != 0:
                        print(f"FAIL: {locale}: Exit ended the program with {code}")
                        failures += 1
                    else:
                        print(f"ok: {locale} Exit ends the program")
                return 1 if failures else 0
        finally:
            stop(processes)


if __name__ == "__main__":
    run(main)
