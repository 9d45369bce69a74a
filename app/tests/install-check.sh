#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built program into a temporary prefix, as `cmake --install build --prefix
# ~/.local` does for a user, and checks what the desktop needs from it.
#   layout:   the menu entry under share/applications/ starts the program installed under
#             bin/, and the icon it names is under share/icons/hicolor/ as an SVG and as PNGs
#             as large as their folders say.
#             The software-centre metadata under share/metainfo/ and the manual page under
#             share/man/man1/ are named after the entry and the program.
#   validate: the installed menu entry passes desktop-file-validate and the metadata passes
#             appstreamcli validate, both without errors or warnings.
# Usage: install-check.sh layout|validate BUILD_FOLDER
set -euo pipefail
check=$1
build=$2

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

entries=("$prefix"/share/applications/*.desktop)
[[ ${#entries[@]} -eq 1 && -f ${entries[0]} ]] || { echo "expected one menu entry, found: ${entries[*]}"; exit 1; }
entry=${entries[0]}

fail() { echo "$*"; exit 1; }

case $check in
layout)
  value() { sed -n "s/^$1=//p" "$entry"; }
  exec_line=$(value Exec)
  program=${exec_line#\"}
  program=${program%\"}
  [[ $program == "$prefix/bin/"* ]] || fail "Exec=$exec_line does not start the program under $prefix/bin"
  [[ -f $program && -x $program ]] || fail "Exec=$exec_line names no installed program"
  for installed in "$prefix"/bin/*; do
    [[ $installed == "$program" ]] || fail "more than the program under bin/: $installed"
  done

  # The menu shows the Persian name and comment on a Persian desktop.
  for key in 'Name[fa]' 'Comment[fa]'; do
    awk -F= -v key="$key" '$1 == key && $2 != "" { found = 1 } END { exit !found }' "$entry" ||
      fail "the entry has no $key"
  done

  icon=$(value Icon)
  [[ -n $icon && $icon != */* ]] || fail "Icon=$icon is not an icon name from the theme"
  [[ $(basename "$entry" .desktop) == "$icon" ]] || fail "the entry $(basename "$entry") and its icon $icon differ in name"
  svg="$prefix/share/icons/hicolor/scalable/apps/$icon.svg"
  [[ -s $svg ]] || fail "no scalable icon at $svg"
  grep -q '<svg' "$svg" || fail "$svg is no SVG drawing"

  pngs=0
  for png in "$prefix"/share/icons/hicolor/*x*/apps/"$icon".png; do
    [[ -f $png ]] || continue
    size=$(basename "$(dirname "$(dirname "$png")")")
    # A PNG starts with its 8-byte signature; the header chunk then gives width and height,
    # each as 4 big-endian bytes, at bytes 16 and 20.
    [[ $(od -An -tx1 -N8 "$png" | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "$png is no PNG"
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [[ "${width}x${height}" == "$size" ]] || fail "$png is ${width}x${height}, in folder $size"
    pngs=$((pngs + 1))
  done
  # 48 x 48 is the size every icon theme is asked to hold.
  [[ -f "$prefix/share/icons/hicolor/48x48/apps/$icon.png" ]] || fail "no 48x48 PNG icon"

  metainfo="$prefix/share/metainfo/$icon.metainfo.xml"
  [[ -f $metainfo ]] || fail "no metadata at $metainfo"
  grep -q "<id>$icon</id>" "$metainfo" || fail "$metainfo does not carry the id $icon"
  grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo" ||
    fail "$metainfo does not launch $(basename "$entry")"

  manual="$prefix/share/man/man1/$(basename "$program").1.gz"
  gzip -t "$manual" 2>/dev/null || fail "no compressed manual page at $manual"
  zcat "$manual" | grep -q '^\.TH' || fail "$manual is no manual page"
  echo "installed: $program, $entry, $svg, $pngs PNG sizes, $metainfo and $manual"
  ;;
validate)
  command -v desktop-file-validate >/dev/null || fail "desktop-file-validate is missing (Debian package desktop-file-utils)"
  report=$(desktop-file-validate "$entry" 2>&1) || { echo "$report"; fail "the menu entry is not valid"; }
  echo "$report"
  # Hints (such as being listed under more than one main category) are allowed.
  grep -qE ': (error|warning): ' <<<"$report" && fail "the menu entry has warnings"
  echo "valid: $entry"

  command -v appstreamcli >/dev/null || fail "appstreamcli is missing (Debian package appstream)"
  metainfos=("$prefix"/share/metainfo/*.metainfo.xml)
  [[ ${#metainfos[@]} -eq 1 && -f ${metainfos[0]} ]] || fail "expected one metadata file, found: ${metainfos[*]}"
  # --no-net: the screenshot's address is not fetched, so the check runs offline. Pedantic
  # remarks (P:) and infos (I:) are allowed.
  report=$(appstreamcli validate --no-net --no-color "${metainfos[0]}" 2>&1) || { echo "$report"; fail "the metadata is not valid"; }
  echo "$report"
  grep -qE '^[EW]: ' <<<"$report" && fail "the metadata has warnings"
  echo "valid: ${metainfos[0]}"
  ;;
*)
  fail "unknown check: $check"
  ;;
esac
