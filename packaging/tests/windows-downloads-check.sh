#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Windows downloads that scripts/build-windows leaves: SHA256SUMS names the .exe,
# the zip and the installer and `sha256sum -c` accepts it; the zip holds the program and the
# GPL's text with Windows' line ends; the installer is marked DPI-aware and its version
# resource names the version and the publisher that debian/ names; installed silently under Wine it puts the
# program and the GPL's text in Program Files, a Start-menu entry, and an uninstall entry
# with the publisher, the folder's size and the program's icon, and its uninstaller takes
# every one of them away again. Run inside scripts/build-windows, under its Wine prefix and
# Wine server.
# Usage: windows-downloads-check.sh BUILD-FOLDER VERSION
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$1 version=$2
zip=coolingload-$version-windows.zip
setup=coolingload-$version-setup.exe
fail() { echo "windows downloads: $*"; exit 1; }

cd "$build"
[[ $(awk '{print $2}' SHA256SUMS | sort | tr '\n' ' ') == "$(printf '%s\n' coolingload.exe "$setup" "$zip" | sort | tr '\n' ' ')" ]] ||
  fail "SHA256SUMS names other files: $(cat SHA256SUMS)"
sha256sum --check --quiet SHA256SUMS || fail "sha256sum -c SHA256SUMS failed"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
crlf_license=$work/LICENSE.txt
sed 's/$/\r/' "$top/LICENSE" >"$crlf_license"
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$build/$zip")
held=$(cd "$work/zip" && printf '%s ' *)
[[ $held == "LICENSE.txt coolingload.exe " ]] || fail "the zip holds: $held"
cmp -s "$work/zip/coolingload.exe" coolingload.exe || fail "the zip's coolingload.exe is not the built one"
cmp -s "$work/zip/LICENSE.txt" "$crlf_license" || fail "the zip's LICENSE.txt is not the GPL's text with CR LF line ends"

# The manifest is plain text in the installer; the version resource's strings are UTF-16.
grep -qa '<dpiAware xmlns="[^"]*">true</dpiAware><dpiAwareness xmlns="[^"]*">PerMonitorV2,System</dpiAwareness>' "$setup" ||
  fail "the installer's manifest does not declare it DPI-aware"
# The publisher is the name debian/control gives the maintainer.
publisher=$(sed -n 's/^Maintainer: \(.*\) <.*/\1/p' "$top/debian/control")
strings=$(x86_64-w64-mingw32-strings -el -n 3 "$setup")
resource() { grep -A1 -x "$1" <<<"$strings" | sed -n 2p; }
[[ $(resource CompanyName) == "$publisher" ]] || fail "the installer's CompanyName is '$(resource CompanyName)'"
[[ $(resource ProductVersion) == "$version" ]] || fail "the installer's ProductVersion is '$(resource ProductVersion)'"

# Installed silently, as an administrator's deployment would.
folder=$WINEPREFIX/drive_c/Program\ Files/CoolingLoad
menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\CoolingLoad'
wine "$setup" /S || fail "the installer failed"
cmp -s "$folder/coolingload.exe" coolingload.exe || fail "the installed coolingload.exe is not the built one"
cmp -s "$folder/LICENSE.txt" "$crlf_license" || fail "the installed folder lacks the GPL's text"
ls "$menu"/*.lnk >/dev/null 2>&1 || fail "the installer made no Start-menu entry"
entry=$(wine reg query "$key" /reg:64 | tr -d '\r')
value() { sed -n "s/^ *$1 *REG_[A-Z_]* *//p" <<<"$entry"; }
[[ $(value Publisher) == "$publisher" ]] || fail "the uninstall entry's publisher is '$(value Publisher)', not '$publisher'"
[[ $(value DisplayVersion) == "$version" ]] || fail "the uninstall entry's version is '$(value DisplayVersion)'"
[[ $(value DisplayIcon) == 'C:\Program Files\CoolingLoad\coolingload.exe' ]] ||
  fail "the uninstall entry's icon is '$(value DisplayIcon)'"
# In KB: the installed files' bytes, summed, over 1024.
kb=$(( ($(stat -c %s "$folder"/* | paste -sd+)) / 1024 ))
[[ $(($(value EstimatedSize))) -eq $kb ]] || fail "the uninstall entry's size is $(value EstimatedSize) KB, the folder holds $kb KB"

# The uninstaller runs from a copy in the temporary folder, so that it can delete itself, and
# returns at once: wait for it to have taken the folder away.
wine "C:\\Program Files\\CoolingLoad\\uninstall.exe" /S || fail "the uninstaller failed"
for _ in $(seq 100); do [[ -e $folder ]] || break; sleep 0.1; done
[[ ! -e $folder ]] || fail "the uninstaller left $(ls "$folder")"
! ls "$menu"/*.lnk >/dev/null 2>&1 || fail "the uninstaller left the Start-menu entry"
! wine reg query "$key" /reg:64 >/dev/null 2>&1 || fail "the uninstaller left the uninstall entry"
echo "windows downloads: checked the sums, the zip, the installer, and an install and uninstall"
