#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs work_area_win32_tests as a user of Windows with a task bar, twice: at 150 % on
# 1920 x 1080 with a task bar 60 pixels high, and at 125 % on 1366 x 768 with one 50 pixels
# high (Windows' own task bar at those scales). Each on an Xvfb display of its own under
# openbox, with a dock that openbox leaves out of the work area, which Wine reports as Windows'
# work area; in a Wine prefix of its own at 144 and 120 dots per inch.
# Usage: work-area-check.sh work_area_win32_tests.exe PREFIX
set -euo pipefail
test=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
stop_display() {
  wineserver -k 2>/dev/null || true
  for own in ${bar:-} ${openbox:-} ${xvfb:-}; do kill "$own" 2>/dev/null || true; done
  bar= openbox= xvfb=
}
trap 'stop_display; rm -rf "$work"' EXIT

# One run: the screen's WIDTH x HEIGHT, the task bar's height and the dots per inch.
run() {
  local size=$1 bar_height=$2 dpi=$3
  echo "at $dpi dots per inch on $size with a task bar of $bar_height pixels:"
  rm -f "$work/display" "$work/bar"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
  [[ -s $work/display ]] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  export DISPLAY=:$(cat "$work/display")
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  openbox=$!
  python3 "$here/TaskBar.py" "$bar_height" >"$work/bar" 2>&1 &
  bar=$!
  for _ in $(seq 100); do grep -qs ready "$work/bar" && break; sleep 0.1; done
  grep -qs ready "$work/bar" || { echo "no task bar:"; cat "$work/bar"; exit 1; }
  mkdir -p "$WINEPREFIX"
  wineserver -p || [[ $? -eq 2 ]]
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  # The resolution is read when the Wine server starts.
  wineserver -k
  wineserver -p
  wine "$test"
  stop_display
}

run 1920x1080 60 144
run 1366x768 50 120
