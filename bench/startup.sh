#!/usr/bin/env bash
# Start to first painted window, and peak memory, of the program against two floors: a bare Qt
# window, and a Qt window showing one label (the fair floor: a bare window never starts the font
# system). In English and in German, where the program loads its translation and the one-label
# window shows the German question. And the program on GNOME, where it asks the desktop's settings
# portal, with a portal that takes every call and never answers, as one stuck behind a back-end
# does: against the program where nothing is asked. One Xvfb and D-Bus session, runs interleaved.
# Usage: bench/startup.sh [build dir] [runs]
set -euo pipefail
build=${1:-build/release}
runs=${2:-30}
[ -x /usr/bin/time ] || { echo "$0 needs /usr/bin/time: scripts/install-deps test installs it" >&2; exit 1; }

here=$(dirname "$0")
source "$here/../tests/support/display.sh"
in_private_dbus "$0" "$@"
start_scratch
start_xvfb
export QT_QPA_PLATFORM=xcb
unset XDG_CURRENT_DESKTOP
/usr/bin/python3 "$here/../tests/support/fake_portal.py" --silent </dev/null >"$work/portal" 2>&1 &
portal_pid=$!
trap 'kill "$portal_pid"; stop_scratch' EXIT
timeout 10 sh -c "until grep -q ready '$work/portal'; do sleep 0.1; done" || fail "the portal did not start"

windows=(bare label program program_on_gnome)
languages=(C de_DE.UTF-8)
declare -A question=([C]="Which of these IP addresses matches:"
                     [de_DE.UTF-8]="Welche dieser IP-Adressen liegt im Bereich:")
measure() { # window, language, results file: one "tenths-of-a-millisecond kilobytes" line a run
    local start painted
    local desktop=()
    [ "$1" = program_on_gnome ] && desktop=(XDG_CURRENT_DESKTOP=GNOME)
    start=$(date +%s%N)
    env "${desktop[@]}" LANG="$2" LC_ALL= /usr/bin/time -f %M -o "$work/rss" \
        "$build/bench/startup_${1%_on_gnome}" "${question[$2]}" \
        >"$work/painted" 2>"$work/stderr" || { cat "$work/stderr"; fail "startup_$1 failed"; }
    painted=$(cat "$work/painted") # the window's own clock reading at its first paint
    echo "$(( (painted - start) / 100000 )) $(cat "$work/rss")" >>"$3"
}

# One warm-up each, so that all start from a warm file cache.
for language in "${languages[@]}"; do
    for window in "${windows[@]}"; do measure "$window" "$language" /dev/null; done
done
for _ in $(seq "$runs"); do
    for language in "${languages[@]}"; do
        for window in "${windows[@]}"; do measure "$window" "$language" "$work/$window-$language"; done
    done
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for language in "${languages[@]}"; do
    label_time=$(cut -d' ' -f1 "$work/label-$language" | median)
    label_kb=$(cut -d' ' -f2 "$work/label-$language" | median)
    echo "LANG=$language, median of $runs runs | first paint | x one-label | peak memory | over one-label"
    for window in "${windows[@]}"; do
        paint_time=$(cut -d' ' -f1 "$work/$window-$language" | median)
        [ "$window" = program ] && program_time=$paint_time
        kb=$(cut -d' ' -f2 "$work/$window-$language" | median)
        printf '%-16s | %6s ms | %s | %6s KiB | %s MiB\n' "$window" \
            "$(awk -v t="$paint_time" 'BEGIN { printf "%.1f", t / 10 }')" \
            "$(awk -v a="$paint_time" -v b="$label_time" 'BEGIN { printf "%.2f", a / b }')" "$kb" \
            "$(awk -v a="$kb" -v b="$label_kb" 'BEGIN { printf "%+.1f", (a - b) / 1024 }')"
    done
    echo "program_on_gnome, with a portal that never answers: x$(awk -v a="$paint_time" \
        -v b="$program_time" 'BEGIN { printf "%.2f", a / b }') the program where nothing is asked"
done
