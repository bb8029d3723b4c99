#!/usr/bin/env bash
# The window on the desktops learners have: light, dark and high-contrast themes, a system without
# the Comic Neue face, small and scaled screens with a panel, and natively on Wayland. Each case
# starts a display of its own, runs the program there and gives it to desktop_client.py for one
# check through the accessibility bus and a screenshot.
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
source "$here/../support/display.sh"
in_private_dbus "$0" "$@"

start_scratch
export work
start_accessibility_bus

# A qt6ct colour scheme of one window colour and one text colour, as a theme of that kind paints.
theme() {
    local name=$1 window=$2 text=$3 colours
    colours="$text, $window, $text, $text, $window, $text, $text, $text, $text, $window, $window,"
    colours+=" $window, $text, $window, $text, $text, $window, $window, $window, $text, $text"
    mkdir -p "$work/$name/qt6ct"
    printf '[ColorScheme]\nactive_colors=%s\ninactive_colors=%s\ndisabled_colors=%s\n' \
        "$colours" "$colours" "$colours" >"$work/$name/scheme.conf"
    printf '[Appearance]\ncolor_scheme_path=%s\ncustom_palette=true\nstyle=Fusion\n' \
        "$work/$name/scheme.conf" >"$work/$name/qt6ct/qt6ct.conf"
}
theme dark '#ff353535' '#ffeeeeee'
theme high-contrast '#ff000000' '#ffffffff'

cat >"$work/no-comic-neue.conf" <<'CONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont><rejectfont><pattern>
    <patelt name="family"><string>Comic Neue</string></patelt>
  </pattern></rejectfont></selectfont>
</fontconfig>
CONF

# openbox keeping a strip at the top free, as a desktop's panel does.
panel_config() {
    sed "/<margins>/,/<\/margins>/s|<top>[0-9]*</top>|<top>$1</top>|" /etc/xdg/openbox/rc.xml \
        >"$work/openbox-$1.xml"
    echo "$work/openbox-$1.xml"
}

cases=0
failed=()
# One case: its name, its screen (WIDTHxHEIGHT under Xvfb and openbox, or "wayland" for headless
# weston), the height of its panel, its check, and the environment of the program and the check.
run_case() {
    local name=$1 screen=$2 panel=$3 check=$4
    shift 4
    echo "--- $name"
    cases=$((cases + 1))
    (
        [ $# -eq 0 ] || export "$@"
        if [ "$screen" = wayland ]; then
            export XDG_RUNTIME_DIR="$work/runtime-$name" WAYLAND_DISPLAY=wayland-bramblet
            mkdir -m 700 "$XDG_RUNTIME_DIR"
            weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
                >"$work/weston.log" 2>&1 &
            weston_pid=$!
            timeout 10 sh -c "until [ -S '$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY' ]; do sleep 0.1; done"
            unset DISPLAY
            export QT_QPA_PLATFORM=wayland
        else
            start_xvfb "$screen"
            start_window_manager "$(panel_config "$panel")"
            sleep 0.5
        fi
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/app.log" 2>&1 &
        app_pid=$!
        trap 'kill $app_pid ${wm_pid:-} ${xvfb_pid:-} ${weston_pid:-} 2>/dev/null; wait' EXIT
        /usr/bin/python3 "$here/desktop_client.py" "$check" || { cat "$work/app.log"; exit 1; }
    ) || failed+=("$name")
}

#        case            screen     panel  check      environment
run_case light           1024x768   0      contrast
run_case dark            1024x768   0      contrast   QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$work/dark"
run_case high-contrast   1024x768   0      contrast   QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME="$work/high-contrast"
run_case no-comic-neue   1024x768   0      uncut      FONTCONFIG_FILE="$work/no-comic-neue.conf"
run_case small-screen    800x600    0      on-screen
run_case scaled-laptop   1366x768   40     on-screen  QT_SCALE_FACTOR=1.25
run_case wayland         wayland    0      question

# One case on GNOME Shell or KWin with Plasma's panel, each started headless as a learner's
# session would have it: its name, the desktop, its screen, and its checks, run in turn on the one
# desktop.
skipped=0
run_desktop() {
    local name=$1 desktop=$2 screen=$3 checks=$4 status=0 shell=gnome-shell
    echo "--- $name"
    [ "$desktop" = gnome ] || shell=kwin_wayland
    if ! command -v "$shell" >/dev/null; then
        echo "skipped: $shell is not installed (scripts/install-deps desktops)"
        skipped=$((skipped + 1))
        return
    fi
    on_desktop "$desktop" "$screen" env BRAMBLET_PROGRAM="$program" \
        /usr/bin/python3 "$here/desktop_client.py" "$checks" || status=$?
    case $status in
        0) cases=$((cases + 1)) ;;
        77) skipped=$((skipped + 1)) ;;
        *) cases=$((cases + 1)); failed+=("$name") ;;
    esac
}

#           case           desktop  screen     checks
run_desktop gnome-small    gnome    1024x600   whole,question,dark,dark-start,high-contrast
run_desktop gnome-large    gnome    1920x1200  full-size,text-scale,monitor-scale
run_desktop plasma-small   plasma   1024x600   whole,frames,dark,dark-start
run_desktop plasma-laptop  plasma   1280x800   full-size,monitor-scale

[ ${#failed[@]} -eq 0 ] || fail "${failed[*]}"
echo "$cases passed, 0 failed, $skipped skipped"
