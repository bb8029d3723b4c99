#!/usr/bin/env bash
# A desktop entry and an AppStream metainfo file as the validators read them, each translated
# into every language the window is.
# Usage: validate_metadata.sh DESKTOP_FILE METAINFO_FILE TRANSLATIONS_FOLDER
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
for ts in "$3"/*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#*_}
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=" "$1" || { echo "FAIL: no $key[$language] in $1"; exit 1; }
    done
    for element in summary p; do
        grep -q "<$element xml:lang=\"$language\">" "$2" ||
            { echo "FAIL: no $element in $language in $2"; exit 1; }
    done
done
