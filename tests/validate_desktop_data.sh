#!/usr/bin/env bash
# The launcher and the metainfo pass their validators with no error and no
# warning, but one: the program has no homepage, which AppStream 1.0 warns
# of. usage: validate_desktop_data.sh DESKTOP_FILE METAINFO_FILE
set -uo pipefail
accepted=': url-homepage-missing$'
status=0
launcher_report=$(desktop-file-validate "$1" 2>&1) || status=1
[[ -z $launcher_report ]] || { echo "$launcher_report"; status=1; }
metainfo_report=$(appstreamcli validate --no-net "$2" 2>&1)
validator_status=$?
echo "$metainfo_report"
grep -E '^[EW]:' <<<"$metainfo_report" | grep -qvE "$accepted" && status=1
# A failure that names no issue (an unreadable file, say) fails too.
if ((validator_status)) && ! grep -qE "^W:.*$accepted" <<<"$metainfo_report"; then status=1; fi
exit $status
