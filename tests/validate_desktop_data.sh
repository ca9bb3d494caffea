#!/usr/bin/env bash
# The launcher and the metainfo pass their validators with no error and no
# warning. usage: validate_desktop_data.sh DESKTOP_FILE METAINFO_FILE
set -uo pipefail
status=0
launcher_report=$(desktop-file-validate "$1" 2>&1) || status=1
[[ -z $launcher_report ]] || { echo "$launcher_report"; status=1; }
metainfo_report=$(appstreamcli validate --no-net "$2" 2>&1) || status=1
echo "$metainfo_report"
grep -qE '^[EW]:' <<<"$metainfo_report" && status=1
exit $status
