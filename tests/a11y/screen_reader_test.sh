#!/usr/bin/env bash
# The window as a screen reader reads it: the built program under Xvfb in a private D-Bus session
# with the accessibility bus, read and driven by an AT-SPI client.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/../support/display.sh"
in_private_dbus "$0" "$@"

start_scratch
start_xvfb
start_window_manager
start_accessibility_bus

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/app.log" 2>&1 &
app_pid=$!
[ -n "$(wait_for_window)" ] || { cat "$work/app.log"; fail "no window"; }
# Debian's own Python: the one with the GObject bindings pyatspi needs.
/usr/bin/python3 "$here/atspi_client.py"
