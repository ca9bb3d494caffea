#!/usr/bin/env bash
# Runs the Windows program under Wine on a private X server, driven through
# window messages and input, in an English and a Russian locale (Wine takes
# the user's locale from LC_ALL): once ended by Exit, once by closing the
# window.
# usage: windows_session.sh DRIVER PROGRAM VERSION
#   VERSION: the Windows that Wine says it is: win10, win7...
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine_display.sh"

key='HKCU\Software\Wine'
wine reg add "$key" /v Version /d "$3" /f >/dev/null
echo "Wine says it is $(wine cmd /c ver | tr -d '\r' | grep .)"

status=0
for run in "en_US.UTF-8 . exit" "ru_RU.UTF-8 , close"; do
  read -r locale separator end <<<"$run"
  echo "under $locale:"
  LC_ALL=$locale wine "$1" "$2" "$separator" "$end" || status=1
done
# The other tests share the prefix: it says again what Wine says by itself.
wine reg delete "$key" /v Version /f >/dev/null 2>&1
exit $status
