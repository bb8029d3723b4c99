#!/usr/bin/env bash
# The window as a blind learner meets it: the built program under Xvfb and openbox, in a private
# D-Bus session with the accessibility bus, or with "gnome" under GNOME Shell or "plasma" under
# KWin, on Wayland as a plain user; with Orca running and the keyboard only. What Orca speaks is
# read from its debug log; the accessibility tree is read through AT-SPI.
# In the language LANG names, Orca's and the window's, where the window has it.
# With --page, the window as a web page: the built site served on this machine's own address and
# opened in Debian's Chromium as an app, under openbox.
# Usage: screen_reader_test.sh PROGRAM [gnome|plasma]
#        screen_reader_test.sh --page SITE
set -euo pipefail
page= program=$1
[ "$1" != --page ] || page=1 program=$2
program=$(realpath "$program")
here=$(dirname "$(realpath "$0")")
source "$here/../support/display.sh"
if [ -z "$page" ] && [ -n "${2:-}" ] && [ -z "${BRAMBLET_DESKTOP:-}" ]; then
    compositor=kwin_wayland
    [ "$2" != gnome ] || compositor=gnome-shell
    command -v "$compositor" >/dev/null ||
        { echo "skipped: $compositor is not installed (scripts/install-deps desktops)"; exit 77; }
    # Orca 48 needs an X display, as a login to either desktop has with Xwayland.
    BRAMBLET_XWAYLAND=1 on_desktop "$2" 1024x768 bash "$0" "$@"
    exit
fi

if [ -z "${BRAMBLET_DESKTOP:-}" ]; then
    in_private_dbus "$0" "$@"
    start_scratch
    start_xvfb
    start_window_manager
    start_accessibility_bus
else
    start_scratch
fi

# Orca speaks a language only in a locale the system has; a missing one is made in the scratch
# folder.
if [ -n "${LANG:-}" ] && [ "$LANG" != C ] && [ "${LANG#C.}" = "$LANG" ] &&
    ! locale -a 2>/dev/null | grep -qix "$(sed 's/UTF-8/utf8/' <<<"$LANG")"; then
    mkdir -p "$work/locale"
    localedef -i "${LANG%%.*}" -f UTF-8 "$work/locale/$LANG" || fail "cannot make the locale $LANG"
    export LOCPATH="$work/locale"
fi

# Orca will not start beside another Orca of this user, and one that an earlier run stopped is
# gone only once it has been reaped, which can take seconds.
timeout 15 sh -c 'while pgrep -u "$(id -u)" -x orca >/dev/null; do sleep 0.2; done' ||
    fail "another Orca runs for this user; the test needs to start its own"

# Orca's settings, and anything else it keeps, in the scratch folder.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
if [ -z "${BRAMBLET_DESKTOP:-}" ]; then
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi
orca_log="$work/orca.log"
# Orca writes its log in blocks to a file, but line by line to a terminal: script(1) gives it one
# and copies it to the log as it comes, so that the test can follow what Orca says. Not with
# --replace: besides killing the user's own Orca, it leaves an alarm set that goes off two seconds
# later, and one that lands while Orca is writing its log makes Orca drop the event it was
# handling, such as the focus moving.
script --quiet --flush --command \
    "orca --debug-file /dev/tty" "$orca_log" \
    >/dev/null 2>&1 </dev/null &
orca_pid=$!
# "Screen reader on.", in Orca's language.
started="SPEECH OUTPUT: '$(/usr/bin/python3 -c \
    'import gettext; print(gettext.dgettext("orca", "Screen reader on.").rstrip("."))')"
timeout 30 sh -c "until grep -qsF \"$started\" '$orca_log'; do sleep 0.2; done" ||
    { tail -n 20 "$orca_log"; fail "Orca did not start"; }

if [ -n "$page" ]; then
    # Debian's own Python serves the site; it prints the port it was given.
    /usr/bin/python3 -u -m http.server --bind 127.0.0.1 --directory "$program" 0 >"$work/server.log" 2>&1 &
    server_pid=$!
    timeout 10 sh -c "until grep -q ' port ' '$work/server.log'; do sleep 0.1; done" ||
        fail "the site was not served"
    port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$work/server.log" | head -n 1)
    # As root Chromium needs --no-sandbox, and --test-type keeps it from saying so in a bar of
    # its own; the rest keep it from reaching out to Google's hosts, and from waiting on the
    # desktop's notification service, which Plasma starts only to wait for it in vain.
    chromium --no-sandbox --test-type --force-renderer-accessibility --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --disable-features=NativeNotifications \
        --user-data-dir="$work/chromium" --app="http://127.0.0.1:$port/" >"$work/app.log" 2>&1 &
else
    "$program" >"$work/app.log" 2>&1 &
fi
app_pid=$!
# The window as the X server knows it; on a desktop, the client waits for it in the
# accessibility tree.
if [ -z "${BRAMBLET_DESKTOP:-}" ]; then
    [ -n "$(wait_for_window)" ] || { cat "$work/app.log"; fail "no window"; }
fi
# Debian's own Python: the one with the GObject bindings pyatspi needs.
/usr/bin/python3 "$here/screen_reader_client.py" "$orca_log" ${page:+page}
