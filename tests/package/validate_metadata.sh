#!/usr/bin/env bash
# A desktop entry and an AppStream metainfo file as the validators read them.
# Usage: validate_metadata.sh DESKTOP_FILE METAINFO_FILE
set -euo pipefail
desktop-file-validate "$1"
status=0
report=$(appstreamcli validate --no-net "$2" 2>&1) || status=$?
echo "$report"
# The one warning allowed: the project has no public homepage, which a packager adds (README).
allowed=': url-homepage-missing$'
if grep -E '^(E|W):' <<<"$report" | grep -vE "$allowed"; then
    echo "FAIL: the metainfo has errors or warnings"
    exit 1
fi
[ "$status" -eq 0 ] || grep -qE "^W:.*$allowed" <<<"$report" ||
    { echo "FAIL: appstreamcli failed"; exit 1; }
