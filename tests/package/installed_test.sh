#!/usr/bin/env bash
# The installed Debian package: the files a desktop needs where it looks for them, the libraries
# and plugins it depends on, and its desktop entry and metainfo as the validators read them.
set -euo pipefail
here=$(dirname "$0")
fail() { echo "FAIL: $*"; exit 1; }

id=org.orwinsbramblet.OrwinsBramblet
for path in /usr/bin/orwins-bramblet /usr/share/man/man1/orwins-bramblet.1.gz \
    "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml" \
    "/usr/share/icons/hicolor/scalable/apps/$id.svg" "/usr/share/icons/hicolor/16x16/apps/$id.png" \
    "/usr/share/icons/hicolor/32x32/apps/$id.png" "/usr/share/icons/hicolor/48x48/apps/$id.png" \
    "/usr/share/icons/hicolor/256x256/apps/$id.png"; do
    dpkg -S "$path" >/dev/null 2>&1 || fail "the package does not install $path"
    [ -e "$path" ] || fail "$path is missing"
done
echo "installs the program, its manual page, desktop entry, metainfo and icons"

depends=$(dpkg-query -W -f '${Depends}' orwins-bramblet)
echo "depends: $depends"
for package in libqt6widgets6 qt6-qpa-plugins fonts-comic-neue; do
    grep -q "$package" <<<"$depends" || fail "the package does not depend on $package"
done
recommends=$(dpkg-query -W -f '${Recommends}' orwins-bramblet)
echo "recommends: $recommends"
grep -q qt6-wayland <<<"$recommends" || fail "the Wayland plugin is not recommended"
grep -q qt6-translations-l10n <<<"$recommends" || fail "Qt's own translations are not recommended"

bash "$here/validate_metadata.sh" "/usr/share/applications/$id.desktop" \
    "/usr/share/metainfo/$id.metainfo.xml" "$here/../../ui/language/translations"
