#!/usr/bin/env bash
# With no display to open, the program says so in Russian and exits with
# status 1, not with Qt's abort.
# usage: no_display_test.sh PROGRAM, or a command that runs it (qemu-user and PROGRAM)
set -uo pipefail
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>&1 >/dev/null)
status=$?
echo "$message"
[[ $status -eq 1 ]] || { echo "FAIL: status $status, not 1"; exit 1; }
# Russian words alone: none of Qt's English ones before them.
[[ $message == triangle-area:* ]] || { echo "FAIL: the message is not the program's own alone"; exit 1; }
grep -q 'графический дисплей недоступен' <<<"$message" && grep -q 'WAYLAND_DISPLAY' <<<"$message" ||
  { echo "FAIL: no word of the missing display"; exit 1; }
echo "ok: no display, status 1 and the message"
