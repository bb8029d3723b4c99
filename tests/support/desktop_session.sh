#!/usr/bin/env bash
# Runs a command on a real desktop of its own, headless: GNOME Shell, or KWin with Plasma's panel,
# as the plain user it is started as, in the D-Bus session it is started in (see on_desktop in
# display.sh). Usage: desktop_session.sh gnome|plasma WIDTHxHEIGHT COMMAND...
# The command finds the desktop in BRAMBLET_DESKTOP, and in the scratch folder $work its log.
set -euo pipefail
desktop=$1 size=$2
shift 2
here=$(dirname "$(realpath "$0")")
# A home and runtime folder of the session's own, in its environment before the session bus
# starts, so that what the bus starts on demand (dconf, the portals) keeps its files there too.
if [ -z "${BRAMBLET_DESKTOP_SESSION:-}" ]; then
    work=$(mktemp -d)
    export work HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
    export XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime" XDG_SESSION_TYPE=wayland
    mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
    status=0
    # What the desktop's services say goes to a log; the command's own output stays where it was.
    BRAMBLET_DESKTOP_SESSION=1 dbus-run-session -- bash "$0" "$desktop" "$size" "$@" \
        3>&2 4>&1 >"$work/session.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || tail -n 20 "$work/session.log"
    # The document portal leaves its file system mounted in the runtime folder.
    fusermount3 -uz "$XDG_RUNTIME_DIR/doc" 2>/dev/null || true
    rm -rf "$work"
    exit "$status"
fi
pids=()
stop() {
    kill "${pids[@]}" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap stop EXIT
# Within the session's own time, or fail.
wait_until() {
    local what=$1
    shift
    timeout 30 sh -c "until $*; do sleep 0.2; done" ||
        { tail -n 20 "$work/desktop.log" 2>/dev/null; echo "FAIL: $what"; exit 1; }
}

# A system bus of the session's own, for what the desktop asks of one (accounts, power, polkit),
# with none of the machine's services behind it.
dbus-daemon --session --nofork --address="unix:path=$work/system_bus" >/dev/null 2>&1 &
pids+=($!)
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/system_bus"
wait_until "no system bus" "[ -S '$work/system_bus' ]"

export BRAMBLET_DESKTOP=$desktop WAYLAND_DISPLAY=wayland-bramblet QT_QPA_PLATFORM=wayland
unset DISPLAY
case "$desktop" in
gnome)
    export XDG_CURRENT_DESKTOP=GNOME
    # No banner over the window: the first session says that the screen cannot be locked.
    gsettings set org.gnome.desktop.notifications show-banners false
    # As GNOME's session manager does, before the services the desktop starts on demand.
    dbus-update-activation-environment XDG_CURRENT_DESKTOP XDG_SESSION_TYPE WAYLAND_DISPLAY \
        DBUS_SYSTEM_BUS_ADDRESS
    # Unsafe mode lets the checks read the Shell's window list, take screenshots and send keys
    # through its Eval call. Xwayland only where asked for: Orca 48 needs an X display.
    gnome-shell --unsafe-mode --headless --wayland ${BRAMBLET_XWAYLAND:---no-x11} \
        --virtual-monitor "$size" \
        --wayland-display "$WAYLAND_DISPLAY" >"$work/desktop.log" 2>&1 &
    pids+=($!)
    wait_until "GNOME Shell did not start" \
        "gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
         --method org.gnome.Shell.Eval 'Main.layoutManager._startingUp === false' 2>/dev/null |
         grep -qF \"'true'\""
    # A login starts the desktop's portal with the session; started on demand instead, it would
    # answer the program's first questions (the colour scheme, the text size) too late.
    wait_until "the desktop's settings portal did not answer" \
        "gdbus call --session --dest org.freedesktop.portal.Desktop \
         --object-path /org/freedesktop/portal/desktop \
         --method org.freedesktop.portal.Settings.ReadOne org.gnome.desktop.interface \
         color-scheme >/dev/null 2>&1"
    # Out of the overview that a session opens in, once its opening animation is over.
    wait_until "GNOME Shell stayed in its overview" \
        "gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
         --method org.gnome.Shell.Eval 'Main.overview.hide(); !Main.overview.visible' |
         grep -qF \"'true'\""
    if [ -n "${BRAMBLET_XWAYLAND:-}" ]; then
        DISPLAY=$(gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
            --method org.gnome.Shell.Eval "imports.gi.GLib.getenv('DISPLAY')" |
            sed -E "s/.*'\"(.*)\"'.*/\1/")
        export DISPLAY
        dbus-update-activation-environment DISPLAY
    fi
    ;;
plasma)
    export XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=6
    dbus-update-activation-environment XDG_CURRENT_DESKTOP XDG_SESSION_TYPE WAYLAND_DISPLAY \
        DBUS_SYSTEM_BUS_ADDRESS KDE_FULL_SESSION KDE_SESSION_VERSION
    source "$here/display.sh"
    # KWin draws its output into a window on an Xvfb of its own, where it can be read. Its
    # scripts' print() lines, which the checks read, are in its log.
    start_xvfb "$size"
    pids+=("$xvfb_pid")
    export BRAMBLET_SCREEN_DISPLAY=$DISPLAY
    # With Xwayland where asked for, whose display KWin gives the programs it starts.
    QT_LOGGING_RULES="kwin_scripting.debug=true" KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 \
        kwin_wayland --x11-display "$DISPLAY" --width "${size%x*}" --height "${size#*x}" \
        --socket "$WAYLAND_DISPLAY" --no-lockscreen \
        ${BRAMBLET_XWAYLAND:+--xwayland "sh -c 'echo \$DISPLAY >$work/xwayland'"} \
        >"$work/desktop.log" 2>&1 &
    pids+=($!)
    wait_until "KWin did not start" "[ -S '$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY' ]"
    unset DISPLAY
    if [ -n "${BRAMBLET_XWAYLAND:-}" ]; then
        wait_until "KWin started no Xwayland" "[ -s '$work/xwayland' ]"
        DISPLAY=$(cat "$work/xwayland")
        export DISPLAY
        dbus-update-activation-environment DISPLAY
    fi
    # Plasma's panel, along the bottom.
    for daemon in /usr/lib/*/libexec/kactivitymanagerd; do
        "$daemon" >"$work/activities.log" 2>&1 &
        pids+=($!)
    done
    plasmashell >"$work/plasmashell.log" 2>&1 &
    pids+=($!)
    wait_until "Plasma's panel did not show" \
        "gdbus call --session --dest org.kde.plasmashell --object-path /PlasmaShell \
         --method org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1"
    # The panel's first frame: the strip along the bottom is no longer of one colour.
    wait_until "Plasma's panel did not draw" \
        "[ \"\$(import -display '$BRAMBLET_SCREEN_DISPLAY' -window root -gravity south \
            -crop 0x44+0+0 -format %k info: 2>/dev/null)\" -gt 1 ]"
    ;;
*)
    echo "usage: $0 gnome|plasma WIDTHxHEIGHT COMMAND..." >&2
    exit 2
    ;;
esac
"$@" >&4 2>&3
