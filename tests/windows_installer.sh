#!/usr/bin/env bash
# Installs the program with its Windows installer, silently, into the Wine
# prefix, checks the program (the 64-bit one where Windows is 64-bit x86, the
# 32-bit one elsewhere), its Start-menu shortcut and its uninstall entry, then
# uninstalls it and checks that nothing is left.
# usage: windows_installer.sh INSTALLER
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine_display.sh"
# Wine names files in the locale's character set: the shortcut's name is
# Cyrillic.
export LC_ALL=C.UTF-8

folder() { winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')"; }
place=$(folder LOCALAPPDATA)/Programs/triangle-area
shortcut="$(folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Площадь треугольника.lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\io.github.trianglearea.TriangleArea'
failed=0
check() {
  if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; failed=$((failed + 1)); fi
}

# The machine a program is built for, from its PE header: 8664 for 64-bit
# x86, 014c for 32-bit.
machine_of() {
  local header
  header=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ') &&
    od -An -t x2 -j $((header + 4)) -N 2 "$1" | tr -d ' '
}
windows=$(wine cmd /c echo "%PROCESSOR_ARCHITECTURE%" | tr -d '\r')
expected=014c
[[ $windows != AMD64 ]] || expected=8664

wine "$1" /S
wineserver -w
check "the program is installed" '[[ -f $place/triangle-area.exe && -f $place/LICENSE.txt ]]'
check "it is the program for $windows Windows" \
  '[[ $(machine_of "$place/triangle-area.exe") == "$expected" ]]'
check "the Start menu has its shortcut" '[[ -f $shortcut ]]'
check "Windows lists it for uninstalling" 'wine reg query "$key" /v UninstallString >/dev/null 2>&1'

# _?= keeps the uninstaller in place, so that it is waited for.
wine "$place/uninstall.exe" /S "_?=$(winepath -w "$place")"
wineserver -w
rm -f "$place/uninstall.exe" && rmdir "$place" 2>/dev/null
check "uninstalling leaves no file and no shortcut" '[[ ! -e $place && ! -e $shortcut ]]'
check "nor the uninstall entry" '! wine reg query "$key" >/dev/null 2>&1'
exit $((failed > 0))
