#!/usr/bin/python3
"""Drives the real program on a private X server with real input events and
reads the result label back through the accessibility bus, as a screen reader
would.

usage: end_to_end_test.py PROGRAM
"""
import os
import subprocess
import sys

from desktop_session import (LOCALES, accessible_session, captions_of, run, start_display,
                             start_program, stop, wait_for, worked_cases)

PROGRAM = os.path.abspath(sys.argv[1])

# Centres of the controls, in window coordinates.
TEXT_BOXES = [(64, 20), (192, 20), (320, 20)]
AREA_BUTTON = (504, 36)
EXIT_BUTTON = (678, 36)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True,
                          text=True).stdout.strip()


def click(window, place):
    xdotool("mousemove", "--window", window, str(place[0]), str(place[1]), "click", "1")


def run_case(pyatspi, window, sides, caption):
    for place, side in zip(TEXT_BOXES, sides):
        click(window, place)
        xdotool("key", "--window", window, "ctrl+a")
        xdotool("type", "--window", window, side)
    click(window, AREA_BUTTON)
    wait_for(f"'{caption}' for {sides}",
             lambda: caption in captions_of(pyatspi))


def main():
    processes = [start_display()]
    try:
        with accessible_session() as pyatspi:
            failures = 0
            for locale, separator in LOCALES:
                program = start_program(PROGRAM, LC_ALL=locale,
                                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
                processes.insert(0, program)
                window = wait_for("the window", lambda: subprocess.run(
                    ["xdotool", "search", "--name", "^Form1$"], capture_output=True,
                    text=True).stdout.split())[0]
                # No window manager here: give the window the input focus ourselves.
                xdotool("windowfocus", "--sync", window)
                icon = subprocess.run(["xprop", "-id", window, "_NET_WM_ICON"],
                                      capture_output=True, text=True).stdout
                if "Icon (128 x 128)" not in icon:
                    print(f"FAIL: {locale}: the window has not the application icon")
                    failures += 1
                for sides, caption in worked_cases(separator):
                    run_case(pyatspi, window, sides, caption)
                    print(f"ok: {locale} {sides} -> {caption}")
                click(window, EXIT_BUTTON)
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
