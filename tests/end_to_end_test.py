#!/usr/bin/python3
"""Drives the real program on a private X server with real input events and
reads the result label back through the accessibility bus, as a screen reader
would; takes the result away through the clipboard, as a user does.

usage: end_to_end_test.py PROGRAM, or a command that runs it (qemu-user and PROGRAM)
"""
import subprocess
import sys

from desktop_session import (LOCALES, accessible_session, captions_of, find, run, start_display,
                             start_program, stop, wait_for, worked_cases)

PROGRAM = sys.argv[1:]

# Centres of the controls, in window coordinates.
TEXT_BOXES = [(64, 20), (192, 20), (320, 20)]
AREA_BUTTON = (504, 36)
EXIT_BUTTON = (678, 36)
SCREEN = (1024, 300)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True,
                          text=True).stdout.strip()


def click(window, place):
    xdotool("mousemove", "--window", window, str(place[0]), str(place[1]), "click", "1")


def calculate(window, sides):
    for place, side in zip(TEXT_BOXES, sides):
        click(window, place)
        xdotool("key", "--window", window, "ctrl+a")
        xdotool("type", "--window", window, side)
    click(window, AREA_BUTTON)


def run_case(pyatspi, window, sides, caption):
    calculate(window, sides)
    wait_for(f"'{caption}' for {sides}",
             lambda: caption in captions_of(pyatspi))


def clipboard():
    return subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True,
                          text=True).stdout


def copies(what, caption, action):
    """Runs a user's way of copying and waits for the caption in the clipboard."""
    # xclip holds the marker until the program takes the clipboard over.
    subprocess.run(["xclip", "-selection", "clipboard"], input="-", text=True, check=True)
    action()
    wait_for(f"{what} to copy «{caption[:40]}…»", lambda: clipboard() == caption)
    print(f"ok: {what} copies the caption ({len(caption)} characters)")


def result_place(pyatspi, window_id):
    """The result label's rectangle in window coordinates."""
    label = find(pyatspi, pyatspi.ROLE_NOTIFICATION)[0]
    extents = label.queryComponent().getExtents(pyatspi.WINDOW_COORDS)
    return extents.x, extents.y, extents.width, extents.height


def check_copying(pyatspi, window, caption):
    x, y, width, height = result_place(pyatspi, window)

    def select_and_copy():
        xdotool("mousemove", "--window", window, str(x), str(y + 2), "mousedown", "1")
        xdotool("mousemove", "--window", window, str(x + width - 1), str(y + height - 2),
                "mouseup", "1")
        xdotool("key", "--window", window, "ctrl+c")

    copies("selecting with the mouse and Ctrl+C", caption, select_and_copy)
    def menu_shown():
        """Whether a window of the program's besides its form is up."""
        shown = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "^triangle-area$"],
                               capture_output=True, text=True).stdout.split()
        return set(shown) - {window}

    # Keys pressed before the menu is up would go to the window beneath.
    copies("the context menu's «Копировать»", caption, lambda: (
        xdotool("mousemove", "--window", window, str(x + 10), str(y + 5), "click", "3"),
        wait_for("the context menu", menu_shown), xdotool("key", "Down", "Return")))
    copies("Ctrl+Shift+C from a side box", caption, lambda: (
        click(window, TEXT_BOXES[0]), xdotool("key", "--window", window, "ctrl+shift+c")))


def on_screen(window):
    """Whether the window lies wholly on the screen, taller than one line."""
    geometry = xdotool("getwindowgeometry", "--shell", window)
    values = {key: int(value) for key, value in (line.split("=") for line in geometry.splitlines())
              if key != "SCREEN"}
    return (0 <= values["X"] and values["X"] + values["WIDTH"] <= SCREEN[0] and
            0 <= values["Y"] and values["Y"] + values["HEIGHT"] <= SCREEN[1] and
            values["HEIGHT"] > 94)


def main():
    processes = [start_display()]
    try:
        with accessible_session() as pyatspi:
            failures = 0
            for locale, separator in LOCALES:
                program = start_program(PROGRAM, LC_ALL=locale,
                                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
                processes.insert(0, program)
                # Mapped, not only made: the focus can be given to no other.
                window = wait_for("the window", lambda: subprocess.run(
                    ["xdotool", "search", "--onlyvisible", "--name", "^Form1$"],
                    capture_output=True, text=True).stdout.split())[0]
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
                run_case(pyatspi, window, ("3", "4", "5"), f"Площадь треугольника= 6{separator}")
                check_copying(pyatspi, window, f"Площадь треугольника= 6{separator}")
                # A caption wider than the screen goes on over further lines,
                # wholly on the screen.
                calculate(window, ("1e154",) * 3)
                long_caption = wait_for("the area of sides 1e154", lambda: next(
                    (text for text in captions_of(pyatspi)
                     if text.startswith("Площадь треугольника= 4330") and len(text) > 300), None))
                if not on_screen(window):
                    print(f"FAIL: {locale}: a long caption is not wholly on the screen")
                    failures += 1
                check_copying(pyatspi, window, long_caption)
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
