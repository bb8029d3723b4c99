#!/usr/bin/env bash
# Drives the real program under Xvfb as a person would: mouse clicks and typing through xdotool,
# what the screen shows through screenshots, the clipboard through xclip.
set -euo pipefail
program=$1
source "$(dirname "$0")/../support/display.sh"
start_scratch

start_xvfb

"$program" >"$work/app.log" 2>&1 &
app_pid=$!
window=$(wait_for_window)
[ -n "$window" ] || fail "no window appeared"
eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y: the client area's top-left corner
sleep 0.5

click() { xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1; sleep 0.3; }
# How many pixels of a window-relative rectangle show a verdict colour, green or dark red.
verdict_pixels() {
    import -window root "$work/shot.png"
    convert "$work/shot.png" -crop "$3x$4+$((X + $1))+$((Y + $2))" +repage txt:- |
        grep -c -iE '#008000|#800000' || true
}

# New Type 2, then "Select" in row b): that verdict alone appears, in a verdict colour.
click 352 40
[ "$(verdict_pixels 592 296 137 41)" -eq 0 ] || fail "verdict b) showed before its Select"
click 528 316
shown=$(verdict_pixels 592 296 137 41)
[ "$shown" -gt 20 ] || fail "verdict b) did not show in green or dark red ($shown pixels)"
[ "$(verdict_pixels 592 240 137 41)" -eq 0 ] || fail "verdict a) showed without its Select"
cp "$work/shot.png" "${E2E_SCREENSHOT:-/dev/null}" 2>/dev/null || true
echo "verdict shown after its Select: $shown pixels in a verdict colour"

# Type an address into the first decimal box, push its bar right, copy the binary box.
click 136 540
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 "192.168.0.1"
click 281 540
click 510 540
xdotool key --clearmodifiers ctrl+a ctrl+c
sleep 0.3
copied=$(xclip -o -selection clipboard)
[ "$copied" = "11000000.10101000.00000000.00000001" ] || fail "binary box holds '$copied'"
echo "converted 192.168.0.1 to $copied"
kill -0 "$app_pid" || fail "the program ended"
echo "1 passed, 0 failed"
