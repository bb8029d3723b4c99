#!/usr/bin/env bash
# Every shipped translation is complete and current: lupdate finds no message of the sources that
# a .ts file lacks and none that the sources no longer have, and lrelease finds none unfinished.
# Usage: translations_test.sh LUPDATE LRELEASE TS_FILE... -- LUPDATE_OPTIONS... SOURCES...
set -euo pipefail
lupdate=$1 lrelease=$2
shift 2
ts_files=()
while [ "$1" != -- ]; do
    ts_files+=("$1")
    shift
done
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for ts in "${ts_files[@]}"; do
    language=$(basename "$ts" .ts)
    language=${language#*_}
    cp "$ts" "$work/copy.ts"
    updated=$("$lupdate" "$@" -ts "$work/copy.ts" 2>&1)
    released=$("$lrelease" "$work/copy.ts" -qm "$work/copy.qm" 2>&1)
    found=$(grep -o 'Found [0-9]* source text(s) ([0-9]* new' <<<"$updated" || true)
    finished=$(grep -o '([0-9]* finished and [0-9]* unfinished)' <<<"$released" || true)
    echo "$language: $found, $finished"
    if ! grep -q ' (0 new' <<<"$found" || grep -qi obsolete <<<"$updated" ||
        ! grep -q ' 0 unfinished' <<<"$finished" || grep -q Ignored <<<"$released"; then
        echo "$updated"$'\n'"$released"
        failed=1
    fi
done
[ "$failed" = 0 ] || { echo "FAIL: a translation is unfinished or out of date"; exit 1; }
