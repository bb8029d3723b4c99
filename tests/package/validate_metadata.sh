#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo as the validators read them.
set -euo pipefail
dir=$1
desktop-file-validate "$dir"/*.desktop
status=0
report=$(appstreamcli validate --no-net "$dir"/*.metainfo.xml 2>&1) || status=$?
echo "$report"
# The one warning allowed: the project has no public homepage, which a packager adds (README).
allowed=': url-homepage-missing$'
if grep -E '^(E|W):' <<<"$report" | grep -vE "$allowed"; then
    echo "FAIL: the metainfo has errors or warnings"
    exit 1
fi
[ "$status" -eq 0 ] || grep -qE "^W:.*$allowed" <<<"$report" ||
    { echo "FAIL: appstreamcli failed"; exit 1; }
