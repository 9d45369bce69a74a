#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program on a real X display (Xvfb) with Qt's X11 platform, waits for the
# start dialog by its caption, presses Enter to continue into the cold-room calculator,
# clicks its Exit button and expects the program to end with code 0.
# Usage: start-on-display.sh PATH_TO_Project1
set -euo pipefail
# xdotool matches the Persian captions only in a UTF-8 locale; C.UTF-8 is on every Debian.
export LC_ALL=C.UTF-8
program=$1
start_caption='محاسبات بار برودتي نسخه 2.0'
coldroom_caption='محاسبات سردخانه (فريوني)'

work=$(mktemp -d)
cleanup() {
  if [[ -n ${app_pid:-} ]]; then kill "$app_pid" 2>/dev/null || true; fi
  if [[ -n ${xvfb_pid:-} ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it to the descriptor.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
DISPLAY=":$(cat "$work/display")"
export DISPLAY

QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
app_pid=$!

# Prints the id of the visible window with this exact caption once it appears.
wait_for_window() {
  local caption=$1 id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^$(printf '%s' "$caption" | sed 's/[()]/\\&/g')\$" 2>/dev/null | head -n 1 || true)
    if [[ -n $id ]]; then echo "$id"; return 0; fi
    kill -0 "$app_pid" 2>/dev/null || { echo "the program ended early" >&2; return 1; }
    sleep 0.1
  done
  echo "no window captioned '$caption'" >&2
  return 1
}

start=$(wait_for_window "$start_caption")
echo "start dialog shown: window $start"
xdotool windowfocus --sync "$start"
xdotool key --clearmodifiers Return

coldroom=$(wait_for_window "$coldroom_caption")
echo "cold-room window shown: window $coldroom"
if xdotool search --onlyvisible --name "^$start_caption\$" >/dev/null 2>&1; then
  echo "the start dialog is still visible"; exit 1
fi

# Exit stands at 40, 424 (105 x 57) in the window's client area.
xdotool mousemove --window "$coldroom" 92 452 click 1

for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then echo "Exit did not end the program"; exit 1; fi
set +e
wait "$app_pid"
code=$?
set -e
app_pid=
echo "program ended with code $code"
[[ $code -eq 0 ]] || { cat "$work/program.log"; exit 1; }
