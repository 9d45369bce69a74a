#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with scripts/build-package and checks it without installing it:
# the files a desktop and Debian need are in it and nothing lies outside /usr/bin and
# /usr/share; the menu entry starts /usr/bin/coolingload; Depends names the Qt libraries that
# dpkg-shlibdeps finds and what the program loads at run time; the program is stripped; and
# lintian finds no errors.
# Usage: package-check.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "$*"; exit 1; }

deb=$("$top/scripts/build-package" | tail -n 1)
[[ -f $deb ]] || fail "scripts/build-package made no package: $deb"
echo "package: $deb ($(stat -c %s "$deb") bytes)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work"
files=$(cd "$work" && find . -type f | sed 's|^\./|/|' | sort)

entries=$(grep '^/usr/share/applications/.*\.desktop$' <<<"$files" || true)
[[ $(wc -w <<<"$entries") -eq 1 ]] || fail "expected one menu entry, found: $entries"
id=$(basename "$entries" .desktop)
for file in /usr/bin/coolingload \
            "/usr/share/icons/hicolor/scalable/apps/$id.svg" \
            "/usr/share/icons/hicolor/48x48/apps/$id.png" \
            "/usr/share/metainfo/$id.metainfo.xml" \
            /usr/share/man/man1/coolingload.1.gz \
            /usr/share/doc/coolingload/copyright \
            /usr/share/doc/coolingload/changelog.gz; do
  grep -qxF "$file" <<<"$files" || fail "the package lacks $file"
done
outside=$(grep -vE '^/usr/(bin|share)/' <<<"$files" || true)
[[ -z $outside ]] || fail "files outside /usr/bin and /usr/share: $outside"
grep -qx 'Exec="/usr/bin/coolingload"' "$work$entries" || fail "the menu entry does not start /usr/bin/coolingload: $(grep ^Exec= "$work$entries")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 \
               libqt6svg6 qt6-qpa-plugins fonts-sil-lateef fonts-comic-neue fonts-liberation2; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package"
done

readelf -S "$work/usr/bin/coolingload" | grep -qF '.symtab' && fail "/usr/bin/coolingload is not stripped"

# Errors fail the test; warnings and infos are shown for the reader.
status=0
report=$(lintian --fail-on error --display-info "$deb" 2>&1) || status=$?
grep -v 'running with root privileges' <<<"$report" || true
[[ $status -eq 0 ]] || fail "lintian reports errors"
echo "lintian: no errors"
