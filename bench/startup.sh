#!/usr/bin/env bash
# Start to first painted window, and peak memory, of the program against two floors: a bare Qt
# window, and a Qt window showing one label (the fair floor: a bare window never starts the font
# system). In English and in German, where the program loads its translation and the one-label
# window shows the German question. One Xvfb session, runs interleaved.
# Usage: bench/startup.sh [build dir] [runs]
set -euo pipefail
build=${1:-build/release}
runs=${2:-30}
[ -x /usr/bin/time ] || { echo "$0 needs /usr/bin/time: scripts/install-deps test installs it" >&2; exit 1; }

source "$(dirname "$0")/../tests/support/display.sh"
start_scratch
start_xvfb
export QT_QPA_PLATFORM=xcb

windows=(bare label program)
languages=(C de_DE.UTF-8)
declare -A question=([C]="Which of these IP addresses matches:"
                     [de_DE.UTF-8]="Welche dieser IP-Adressen liegt im Bereich:")
measure() { # window, language, results file: one "tenths-of-a-millisecond kilobytes" line a run
    local start painted
    start=$(date +%s%N)
    LANG=$2 LC_ALL= /usr/bin/time -f %M -o "$work/rss" "$build/bench/startup_$1" "${question[$2]}" \
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
        kb=$(cut -d' ' -f2 "$work/$window-$language" | median)
        printf '%-8s | %6s ms | %s | %6s KiB | %s MiB\n' "$window" \
            "$(awk -v t="$paint_time" 'BEGIN { printf "%.1f", t / 10 }')" \
            "$(awk -v a="$paint_time" -v b="$label_time" 'BEGIN { printf "%.2f", a / b }')" "$kb" \
            "$(awk -v a="$kb" -v b="$label_kb" 'BEGIN { printf "%+.1f", (a - b) / 1024 }')"
    done
done
