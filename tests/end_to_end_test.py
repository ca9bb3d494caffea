#!/usr/bin/python3
"""Drives the real program on a private X server with real input events and
reads the result label back through the accessibility bus, as a screen reader
would.

usage: end_to_end_test.py PROGRAM
"""
import os
import subprocess
import sys
import time

PROGRAM = os.path.abspath(sys.argv[1])

# Centres of the controls, in window coordinates.
TEXT_BOXES = [(64, 20), (192, 20), (320, 20)]
AREA_BUTTON = (504, 36)
EXIT_BUTTON = (678, 36)


def wait_for(what, probe, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = probe()
        if result:
            return result
        time.sleep(0.05)
    raise SystemExit(f"timed out waiting for {what}")


def start_display():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x300x24", "-nolisten", "tcp"],
        pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as reader:
        number = reader.readline().strip()
    if not number:
        raise SystemExit("Xvfb did not start")
    return server, ":" + number


def start_session_bus():
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, text=True)
    return bus, bus.stdout.readline().strip()


def accessibility_bus_ready():
    return subprocess.run(
        ["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply", "/org/a11y/bus",
         "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=True, capture_output=True,
                          text=True).stdout.strip()


def click(window, place):
    xdotool("mousemove", "--window", window, str(place[0]), str(place[1]), "click", "1")


def labels_of(pyatspi, application_name):
    desktop = pyatspi.Registry.getDesktop(0)
    for application in desktop:
        if application is not None and application.name == application_name:
            labels = pyatspi.findAllDescendants(
                application, lambda node: node.getRole() == pyatspi.ROLE_LABEL)
            return [label.name for label in labels]
    return []


def run_case(pyatspi, window, sides, caption):
    for place, side in zip(TEXT_BOXES, sides):
        click(window, place)
        xdotool("key", "--window", window, "ctrl+a")
        xdotool("type", "--window", window, side)
    click(window, AREA_BUTTON)
    wait_for(f"'{caption}' for {sides}",
             lambda: caption in labels_of(pyatspi, "triangle-area"))


def main():
    display_server, display = start_display()
    bus, bus_address = start_session_bus()
    os.environ.update(DISPLAY=display, DBUS_SESSION_BUS_ADDRESS=bus_address)
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stderr=subprocess.DEVNULL)
    processes = [launcher, bus, display_server]
    try:
        wait_for("the accessibility bus", accessibility_bus_ready)
        import pyatspi  # connects to the session bus set above

        failures = 0
        for locale, separator in (("C.UTF-8", "."), ("ru_RU.UTF-8", ",")):
            program = subprocess.Popen(
                [PROGRAM], env=dict(os.environ, LC_ALL=locale,
                                    QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"),
                stderr=subprocess.DEVNULL)
            processes.insert(0, program)
            window = wait_for("the window", lambda: subprocess.run(
                ["xdotool", "search", "--name", "^Form1$"], capture_output=True,
                text=True).stdout.split())[0]
            # No window manager here: give the window the input focus ourselves.
            xdotool("windowfocus", "--sync", window)
            icon = subprocess.run(["xprop", "-id", window, "_NET_WM_ICON"], capture_output=True,
                                  text=True).stdout
            if "Icon (128 x 128)" not in icon:
                print(f"FAIL: {locale}: the window has not the application icon")
                failures += 1
            cases = [
                (("3", "4", "5"), "Площадь треугольника= 6" + separator),
                (("1", "1", "3"), "Треугольника не существует"),
                (("2.5", "2.5", "2.5"), f"Площадь треугольника= 2{separator}706"),
            ]
            for sides, caption in cases:
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
        for process in processes:
            if process.poll() is None:
                process.terminate()
                process.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main())
