#!/usr/bin/env bash
# Builds the Debian package, checks that apt can resolve what it depends on, unpacks it into a
# scratch root, validates its desktop entry and metainfo, and starts the unpacked program.
set -euo pipefail
build=$(realpath "$1")
source "$(dirname "$0")/../support/display.sh"
start_scratch

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/out/*.deb)
echo "package: $(basename "$deb")"
echo "depends: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "shared-library dependencies missing"
echo "recommends: $(dpkg-deb -f "$deb" Recommends)"
dpkg-deb -f "$deb" Recommends | grep -q 'qt6-wayland' || fail "the Wayland plugin is not recommended"

# apt resolves every dependency (simulated: nothing is installed).
apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt cannot resolve the dependencies"; }

root="$work/root"
dpkg-deb -x "$deb" "$root"
id=org.orwinsbramblet.OrwinsBramblet
for path in usr/bin/orwins-bramblet "usr/share/applications/$id.desktop" \
    "usr/share/metainfo/$id.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "usr/share/icons/hicolor/16x16/apps/$id.png" "usr/share/icons/hicolor/32x32/apps/$id.png" \
    "usr/share/icons/hicolor/48x48/apps/$id.png" "usr/share/icons/hicolor/256x256/apps/$id.png"; do
    [ -e "$root/$path" ] || fail "the package lacks /$path"
done
echo "desktop-file-validate: $(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1 && echo ok)"
echo "appstreamcli: $(appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1 | tail -n 1)"

start_xvfb
"$root/usr/bin/orwins-bramblet" >"$work/app.log" 2>&1 &
app_pid=$!
[ -n "$(wait_for_window)" ] ||
    { cat "$work/app.log"; fail "the unpacked program showed no window"; }
echo "the unpacked program started and showed its window"
