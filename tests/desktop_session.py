"""What the end-to-end tests share: a private session bus with the
accessibility bus on it, and reading the program back through AT-SPI as a
screen reader does."""
import contextlib
import os
import subprocess
import sys
import tempfile
import time

LOCALES = (("C.UTF-8", "."), ("ru_RU.UTF-8", ","))


def worked_cases(separator):
    """Sides and the caption they give, with the locale's separator."""
    return [
        (("3", "4", "5"), f"Площадь треугольника= 6{separator}"),
        (("1", "1", "3"), "Треугольника не существует"),
        (("2.5", "2.5", "2.5"), f"Площадь треугольника= 2{separator}706"),
    ]


def wait_for(what, probe, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = probe()
        if result:
            return result
        time.sleep(0.05)
    raise SystemExit(f"timed out waiting for {what}")


# What each program started here wrote to its standard error.
_program_errors = []


def start_program(command, **settings):
    """The program, run by command (a list: the program, or a runner and the
    program), with these environment settings, its standard error kept for
    the report of a failure. PROGRAM_PRELOAD, where set, is preloaded into
    the program alone."""
    environment = dict(os.environ, **settings)
    preload = environment.pop("PROGRAM_PRELOAD", "")
    if preload:
        environment["LD_PRELOAD"] = preload
    errors = tempfile.TemporaryFile(mode="w+", errors="replace")
    _program_errors.append(errors)
    return subprocess.Popen(command, env=environment, stderr=errors)


def _print_program_errors(lines=40):
    for number, errors in enumerate(_program_errors, 1):
        errors.seek(0)
        tail = errors.read().splitlines()[-lines:]
        print(f"--- standard error of program run {number}, last {len(tail)} lines:")
        print(*tail, sep="\n")


def run(main):
    """Runs a test's main and ends with its status; on a failure, first shows
    what the program wrote to its standard error."""
    try:
        status = main()
    except SystemExit as exit_:
        if exit_.code not in (None, 0):
            _print_program_errors()
        raise
    if status:
        _print_program_errors()
    sys.exit(status)


def stop(processes):
    for process in processes:
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


def start_display():
    """A private Xvfb, set as this process's DISPLAY."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x300x24", "-nolisten", "tcp"],
        pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as reader:
        number = reader.readline().strip()
    if not number:
        raise SystemExit("Xvfb did not start")
    os.environ["DISPLAY"] = ":" + number
    return server


def accessibility_bus_ready():
    return subprocess.run(
        ["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply", "/org/a11y/bus",
         "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0


@contextlib.contextmanager
def accessible_session():
    """A session bus of its own, set in this process's environment, with the
    accessibility bus running; yields pyatspi connected to it."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, text=True)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                stderr=subprocess.DEVNULL)
    try:
        wait_for("the accessibility bus", accessibility_bus_ready)
        import pyatspi  # connects to the session bus set above
        yield pyatspi
    finally:
        stop([launcher, bus])


def application(pyatspi, name="triangle-area"):
    for candidate in pyatspi.Registry.getDesktop(0):
        if candidate is not None and candidate.name == name:
            return candidate
    return None


def find(pyatspi, role, name=None):
    """The program's accessible objects of a role, and of a name if given."""
    program = application(pyatspi)
    if program is None:
        return []
    return pyatspi.findAllDescendants(
        program, lambda node: node.getRole() == role and (name is None or node.name == name))


def captions_of(pyatspi):
    """The texts of the program's labels, the result label among them."""
    roles = (pyatspi.ROLE_LABEL, pyatspi.ROLE_NOTIFICATION)
    return [node.name for role in roles for node in find(pyatspi, role)]
