#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with scripts/build-package (dpkg-buildpackage from debian/) and
# checks it without installing it: the files a desktop and Debian need are in it and nothing
# lies outside /usr/bin and /usr/share; the menu entry starts /usr/bin/coolingload, stands
# under one main category, keeps the English keywords under every language, and names the
# class that the packaged program's window has on an X display; Depends names the Qt
# libraries that dpkg-shlibdeps finds and what the program loads at run time; the program is
# stripped; and lintian finds nothing to say.
# Usage: package-check.sh
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
fail() { echo "$*"; exit 1; }

deb=$("$top/scripts/build-package" | tail -n 1)
[[ -f $deb ]] || fail "scripts/build-package made no package: $deb"
echo "package: $deb ($(stat -c %s "$deb") bytes)"

work=$(mktemp -d)
cleanup() {
  if [[ -n ${app_pid:-} ]]; then kill "$app_pid" 2>/dev/null || true; fi
  if [[ -n ${xvfb_pid:-} ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"
files=$(cd "$root" && find . -type f | sed 's|^\./|/|' | sort)

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

entry=$root$entries
grep -qx 'Exec="/usr/bin/coolingload"' "$entry" || fail "the menu entry does not start /usr/bin/coolingload: $(grep ^Exec= "$entry")"
# Not even a hint: more than one main category would list the program in several menus.
report=$(desktop-file-validate "$entry" 2>&1) || true
[[ -z $report ]] || fail "desktop-file-validate: $report"
# A menu that finds Keywords[fa] looks at no other list, so each one holds the English words.
english=$(sed -n 's/^Keywords=//p' "$entry" | tr ';' '\n' | sed '/^$/d')
while IFS= read -r line; do
  missing=$(grep -vxF -f <(tr ';' '\n' <<<"${line#*=}") <<<"$english" || true)
  [[ -z $missing ]] || fail "${line%%=*} lacks the English keywords: $missing"
done < <(grep '^Keywords\[' "$entry")

# The desktop ties a window to its menu entry by the window's class: the packaged program,
# started on an X display, must show a window of the class the entry names.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[[ -n $wm_class ]] || fail "the menu entry names no StartupWMClass"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=":$(cat "$work/display")"
export DISPLAY
QT_QPA_PLATFORM=xcb "$root/usr/bin/coolingload" >"$work/program.log" 2>&1 &
app_pid=$!
window=
for _ in $(seq 200); do
  window=$(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null | head -n 1 || true)
  [[ -n $window ]] && break
  kill -0 "$app_pid" 2>/dev/null || fail "the packaged program ended early: $(cat "$work/program.log")"
  sleep 0.1
done
[[ -n $window ]] || fail "the packaged program showed no window"
# WM_CLASS(STRING) = "instance", "class"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*", "\(.*\)"$/\1/p')
[[ $class == "$wm_class" ]] || fail "the program's window has the class '$class', the menu entry names StartupWMClass=$wm_class"
echo "window class: $class"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 \
               libqt6svg6 qt6-qpa-plugins fonts-sil-lateef fonts-comic-neue fonts-liberation2 fonts-dejavu-core \
               qt6-translations-l10n; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package"
done

readelf -S "$root/usr/bin/coolingload" | grep -qF '.symtab' && fail "/usr/bin/coolingload is not stripped"

# Any tag fails the test but a pedantic one, which is shown for the reader.
status=0
report=$(lintian --fail-on error,warning,info --display-info --pedantic "$deb" 2>&1) || status=$?
grep -v 'running with root privileges' <<<"$report" || true
[[ $status -eq 0 ]] || fail "lintian has something to say"
echo "lintian: no errors, warnings or infos"
