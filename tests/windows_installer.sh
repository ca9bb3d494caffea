#!/usr/bin/env bash
# Installs the program with its Windows installer, silently, into the Wine
# prefix, checks the program, its Start-menu shortcut and its uninstall entry,
# then uninstalls it and checks that nothing is left.
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

wine "$1" /S
wineserver -w
check "the program is installed" '[[ -f $place/triangle-area.exe && -f $place/LICENSE.txt ]]'
check "the Start menu has its shortcut" '[[ -f $shortcut ]]'
check "Windows lists it for uninstalling" 'wine reg query "$key" /v UninstallString >/dev/null 2>&1'

# _?= keeps the uninstaller in place, so that it is waited for.
wine "$place/uninstall.exe" /S "_?=$(winepath -w "$place")"
wineserver -w
rm -f "$place/uninstall.exe" && rmdir "$place" 2>/dev/null
check "uninstalling leaves no file and no shortcut" '[[ ! -e $place && ! -e $shortcut ]]'
check "nor the uninstall entry" '! wine reg query "$key" >/dev/null 2>&1'
exit $((failed > 0))
