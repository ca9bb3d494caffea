#!/usr/bin/python3
"""Runs the real program with the Orca screen reader listening, on a private
X server, session bus and speech server with no sound card, and checks what
Orca sends to speech: every result, with the zero a caption without whole
digits leaves out, a repeated result again, and the window title on Orca's
read-title command.

usage: screen_reader_test.py PROGRAM, or a command that runs it (qemu-user and PROGRAM)
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from desktop_session import accessible_session, run, start_display, start_program, stop, wait_for

PROGRAM = sys.argv[1:]
LOCALE = "ru_RU.UTF-8"

SPEECH_CONFIG = """\
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "ru"
"""


def start_speech_server(home):
    """speech-dispatcher in the foreground with espeak-ng into libao's null
    driver: the stock set-up hangs without a sound card, and Orca with it."""
    with open(os.path.join(home, ".libao"), "w") as libao:
        libao.write("default_driver=null\n")
    config = os.path.join(home, "speech-dispatcher")
    os.makedirs(os.path.join(config, "modules"))
    with open(os.path.join(config, "speechd.conf"), "w") as speechd:
        speechd.write(SPEECH_CONFIG)
    shutil.copy("/etc/speech-dispatcher/modules/espeak-ng.conf", os.path.join(config, "modules"))
    return subprocess.Popen(["speech-dispatcher", "--run-single", "--timeout", "0",
                             "--config-dir", config], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


# Loaded by Orca from its settings folder: copies each text it sends to speech
# into a file, a line each, as it goes (its debug log is written in blocks).
CUSTOMIZATION = """\
from orca import speech

_log = open({log!r}, "a", buffering=1)
_speak = speech._speak


def _logged_speak(text, acss, interrupt):
    _log.write(text.replace("\\n", " ") + "\\n")
    _speak(text, acss, interrupt)


speech._speak = _logged_speak
"""


class Speech:
    """What Orca has sent to speech."""

    def __init__(self, scratch):
        self.log = os.path.join(scratch, "speech.log")
        self.prefs = os.path.join(scratch, "orca")
        os.makedirs(self.prefs)
        with open(os.path.join(self.prefs, "orca-customizations.py"), "w") as customization:
            customization.write(CUSTOMIZATION.format(log=self.log))

    def start_orca(self):
        # Never --replace: that would end the screen reader of whoever runs this.
        return subprocess.Popen(["orca", "--user-prefs", self.prefs],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def lines(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log, errors="replace") as log:
            return log.read().splitlines()

    def after(self, key, expected):
        """Presses a key and waits until Orca speaks `expected` anew."""
        count = len([line for line in self.lines() if expected in line])
        # A key pressed again within Orca's double-click time counts as a
        # double press, a different command.
        time.sleep(1)
        subprocess.run(["xdotool", *key], check=True)
        wait_for(f"«{expected}» spoken after {' '.join(key)}", lambda: len(
            [line for line in self.lines() if expected in line]) > count, seconds=20)
        print(f"ok: {' '.join(key)} -> Orca says «{expected}»")


def type_sides(sides):
    """From the focused area button into the three boxes, as a user tabs."""
    for side in sides:
        subprocess.run(["xdotool", "key", "Tab", "key", "ctrl+a", "type", side], check=True)


def listen(speech):
    speech.after(["key", "Return"], "Площадь треугольника= 0,433")
    # The same result again is spoken again.
    speech.after(["key", "Return"], "Площадь треугольника= 0,433")
    type_sides(("2", "3", "4"))
    speech.after(["key", "Return"], "Площадь треугольника= 2,905")
    speech.after(["keydown", "Insert", "key", "KP_Enter", "keyup", "Insert"], "Form1")


def main():
    with tempfile.TemporaryDirectory() as scratch:
        home = os.path.join(scratch, "home")
        runtime_dir = os.path.join(scratch, "run")
        os.makedirs(home)
        os.makedirs(runtime_dir, mode=0o700)
        # Services the session bus starts inherit these: nothing is shared with
        # the machine's own user.
        os.environ.update(HOME=home, XDG_RUNTIME_DIR=runtime_dir, LANG=LOCALE, LC_ALL=LOCALE)
        for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "WAYLAND_DISPLAY"):
            os.environ.pop(name, None)
        speech = Speech(scratch)
        processes = [start_display()]
        try:
            with accessible_session():
                subprocess.run(["gsettings", "set", "org.gnome.desktop.interface",
                                "toolkit-accessibility", "true"], check=True)
                subprocess.run(["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply",
                                "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                                "string:org.a11y.Status", "string:ScreenReaderEnabled",
                                "variant:boolean:true"], check=True, stdout=subprocess.DEVNULL)
                # Focus comes back to the window after a dialog only with a window manager.
                processes.insert(0, subprocess.Popen(["openbox", "--sm-disable"],
                                                     stderr=subprocess.DEVNULL))
                processes.insert(0, start_speech_server(home))
                # Orca must listen before the program starts: Qt turns its
                # accessibility on only at start.
                processes.insert(0, speech.start_orca())
                wait_for("Orca to speak", speech.lines, seconds=60)
                program = start_program(PROGRAM)
                processes.insert(0, program)
                wait_for("the window spoken", lambda: any(
                    "Form1" in line for line in speech.lines()), seconds=30)
                listen(speech)
                # Tab from the last box reaches Exit.
                subprocess.run(["xdotool", "key", "Tab", "key", "space"], check=True)
                code = program.wait(timeout=20)
                print(f"ok: Exit ends the program with {code}")
                return 0 if code == 0 else 1
        except SystemExit:
            print("Orca said last:", *speech.lines()[-20:], sep="\n  ")
            raise
        finally:
            stop(processes)


if __name__ == "__main__":
    run(main)
