#!/usr/bin/env bash
# Start to first painted window, and peak memory, of the program against a bare Qt window, in one
# Xvfb session, runs interleaved. Usage: bench/startup.sh [build dir] [runs]
set -euo pipefail
build=${1:-build/release}
runs=${2:-30}

source "$(dirname "$0")/../tests/support/display.sh"
start_scratch
start_xvfb
export QT_QPA_PLATFORM=xcb

measure() { # program, results file: one "milliseconds kilobytes" line a run
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "$work/rss" "$1" 2>/dev/null
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000000 )) $(cat "$work/rss")" >>"$2"
}

# One warm-up each, so that both start from a warm file cache.
measure "$build/bench/startup_bare" /dev/null
measure "$build/bench/startup_program" /dev/null
for _ in $(seq "$runs"); do
    measure "$build/bench/startup_bare" "$work/bare"
    measure "$build/bench/startup_program" "$work/program"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
program_ms=$(cut -d' ' -f1 "$work/program" | median)
bare_kb=$(cut -d' ' -f2 "$work/bare" | median)
program_kb=$(cut -d' ' -f2 "$work/program" | median)
echo "start to first paint, median of $runs: bare window ${bare_ms} ms, program ${program_ms} ms," \
     "ratio $(awk -v p="$program_ms" -v b="$bare_ms" 'BEGIN { printf "%.2f", p / b }')"
echo "peak resident memory, median: bare window ${bare_kb} KiB, program ${program_kb} KiB," \
     "difference $(( (program_kb - bare_kb) / 1024 )) MiB"
