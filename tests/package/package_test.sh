#!/usr/bin/env bash
# Builds the Debian package and checks it as Debian checks its own: lintian, the hardening of the
# program, and two more builds of the commit in two other folders that must give the same packages
# to the byte. Then checks that apt can resolve what it depends on, unpacks it into a scratch root,
# validates its desktop entry and metainfo, and starts the unpacked program.
set -euo pipefail
source_dir=$(realpath "$1")
build=$(realpath "$2")
source "$(dirname "$0")/../support/display.sh"
start_scratch

# Makes the packages of a build folder in $work/$2.
package() {
    (cd "$work" && cpack --config "$1/CPackConfig.cmake" -B "$work/$2" >"$work/cpack.log" 2>&1) ||
        { cat "$work/cpack.log"; fail "cpack failed"; }
}
package "$build" out
deb=$(ls "$work"/out/*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

lintian "$deb" >"$work/lintian.log" 2>&1 || true
echo "lintian: $(cat "$work/lintian.log")"
if grep -qE '^[EW]: ' "$work/lintian.log"; then fail "lintian has errors or warnings"; fi

root="$work/root"
dpkg-deb -x "$deb" "$root"
program="$root/usr/bin/orwins-bramblet"
hardening-check "$program" >"$work/hardening.log" 2>&1 || true
cat "$work/hardening.log"
for feature in "Position Independent Executable" "Stack protected" "Read-only relocations" \
    "Immediate binding"; do
    grep -q "$feature: yes" "$work/hardening.log" || fail "the program lacks: $feature"
done
# hardening-check sees fortification only in a checked call. The program's only libc buffer calls
# are libstdc++'s string copies, of sizes known at run time, which fortification leaves unchecked;
# so where it finds none, every source of the program must have been compiled with it.
if ! grep -q "Fortify Source functions: yes" "$work/hardening.log"; then
    /usr/bin/python3 - "$build/compile_commands.json" <<'PY' || fail "a source is not fortified"
import json, re, sys
unfortified = [c["file"] for c in json.load(open(sys.argv[1]))
               if re.search(r"/(arith|quiz|converter|ui|app)/", c["file"])
               and "-D_FORTIFY_SOURCE=2" not in c["command"]]
print(f"compiled without -D_FORTIFY_SOURCE=2: {unfortified}")
sys.exit(1 if unfortified else 0)
PY
fi

# Two builds of the commit from two clones in two other folders, each later than the last.
for clone in one two; do
    git clone --quiet --no-checkout "$source_dir" "$work/$clone"
    git -C "$work/$clone" checkout --quiet --detach "$(git -C "$source_dir" rev-parse HEAD)"
    (cd "$work/$clone" && cmake --preset release -DBUILD_TESTING=OFF -DBRAMBLET_BENCHMARKS=OFF &&
        cmake --build --preset release) >"$work/build-$clone.log" 2>&1 ||
        { tail -n 30 "$work/build-$clone.log"; fail "the build in $work/$clone failed"; }
    package "$work/$clone/build/release" "out-$clone"
done
for made in "$work"/out-one/*.deb; do
    twin="$work/out-two/$(basename "$made")"
    cmp "$made" "$twin" || fail "$(basename "$made") differs between the two builds"
    echo "reproducible: $(basename "$made"), $(sha256sum <"$made" | cut -c1-16)"
done

echo "depends: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "shared-library dependencies missing"
echo "recommends: $(dpkg-deb -f "$deb" Recommends)"
dpkg-deb -f "$deb" Recommends | grep -q 'qt6-wayland' || fail "the Wayland plugin is not recommended"

# apt resolves every dependency (simulated: nothing is installed).
apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt cannot resolve the dependencies"; }

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
"$program" >"$work/app.log" 2>&1 &
app_pid=$!
[ -n "$(wait_for_window)" ] ||
    { cat "$work/app.log"; fail "the unpacked program showed no window"; }
echo "the unpacked program started and showed its window"
