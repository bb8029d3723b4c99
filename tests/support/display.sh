# Sourced by the scripts that drive the program on a display of their own.

# Starts a private Xvfb, 1024x768 unless a size is given, exports DISPLAY and sets xvfb_pid for
# the caller to stop it. Without -noreset, Xvfb resets whenever its last client leaves, and a
# client that connects during the reset is refused: the window manager, started while a poll has
# just disconnected, then fails to open the display.
start_xvfb() {
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -noreset -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$display_file" \
        2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    [ -s "$display_file" ] || { echo "Xvfb did not start"; return 1; }
    export DISPLAY=":$(cat "$display_file")"
    rm -f "$display_file"
}

# Starts openbox on that display, so that focus, placement and closing work as on a desktop; with
# its configuration file if one is given. Returns once it manages the screen: a window mapped
# before that is never given the focus.
start_window_manager() {
    openbox ${1:+--config-file "$1"} >/dev/null 2>&1 &
    wm_pid=$!
    timeout 10 sh -c 'until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; do
        sleep 0.1; done' 2>/dev/null || { echo "openbox did not start"; return 1; }
}

# Prints the id of the program's window once it shows, or nothing after 20 seconds.
wait_for_window() {
    timeout 20 xdotool search --sync --onlyvisible --name "Orwin's Bramblet" | head -n 1 || true
}

# Runs the calling script again, with its arguments, inside a D-Bus session of its own, unless it
# already is in one: call as `in_private_dbus "$0" "$@"`.
in_private_dbus() {
    [ -n "${BRAMBLET_PRIVATE_DBUS:-}" ] ||
        exec env BRAMBLET_PRIVATE_DBUS=1 dbus-run-session -- bash "$@"
}

# Starts the accessibility bus in that session and sets bus_pid, for a screen reader's view.
start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
    bus_pid=$!
    sleep 1
}

# A scratch folder in $work; on exit it is removed, and the program, screen reader, accessibility
# bus, window manager, web server and Xvfb that the caller started (app_pid, orca_pid, bus_pid,
# wm_pid, server_pid, xvfb_pid) are stopped.
start_scratch() {
    work=$(mktemp -d)
    trap stop_scratch EXIT
}

stop_scratch() {
    kill "${app_pid:-}" "${orca_pid:-}" "${bus_pid:-}" "${wm_pid:-}" "${server_pid:-}" \
        "${xvfb_pid:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}

fail() {
    echo "FAIL: $*"
    exit 1
}

# Runs desktop_session.sh with its arguments as a plain user made for the tests, in a D-Bus
# session and a mount namespace of its own, where /run/systemd is hidden: without logind's seats
# GNOME Shell takes the stand-in a session without logind has, as in a container. Needs root;
# returns 77 without it.
on_desktop() {
    [ "$(id -u)" -eq 0 ] || { echo "skipped: running a desktop as a plain user needs root"; return 77; }
    local user=bramblet-learner support
    support=$(dirname "${BASH_SOURCE[0]}")
    id "$user" >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
    # Inside a chroot / is no mount point and cannot be made private; there the mounts must be
    # private already, as those of scripts/in-fresh-debian are, or the tmpfs would reach the host.
    local propagation=private
    mountpoint -q / || propagation=unchanged
    unshare --mount --propagation "$propagation" -- bash -c '
        if [ -d /run/systemd ]; then
            ! findmnt -n -o PROPAGATION --target /run/systemd | grep -q shared ||
                { echo "FAIL: /run/systemd is on a shared mount"; exit 1; }
            mount -t tmpfs tmpfs /run/systemd
        fi
        user=$1
        shift
        exec runuser -u "$user" -- env -i PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 \
            ${BRAMBLET_XWAYLAND:+BRAMBLET_XWAYLAND=1} bash "$@"' on-desktop "$user" "$(realpath "$support")/desktop_session.sh" "$@"
}
