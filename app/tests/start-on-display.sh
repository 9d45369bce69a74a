#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program on a real X display (Xvfb) with Qt's X11 platform and walks it as
# a user: the start dialog, Continue into one calculator, a calculation whose result sheet is
# closed with Enter and shown again, and Exit, which must end the program with code 0. Every
# window must stand centred by its outer size, frame and title bar included, each time it is
# shown. It walks once without a window manager and several times under openbox, each
# calculator in turn, since a window manager frames a window only after it is shown.
# Usage: start-on-display.sh PATH_TO_Project1 [WALKS_UNDER_A_WINDOW_MANAGER]
set -euo pipefail
# xdotool matches the Persian captions only in a UTF-8 locale; C.UTF-8 is on every Debian.
export LC_ALL=C.UTF-8
program=$1
walks=${2:-6}
start_caption='محاسبات بار برودتي نسخه 2.0'
coldroom_caption='محاسبات سردخانه (فريوني)'
icebank_caption='محاسبات آيس بانک (فريوني)'
sheet_caption='نتيجه محاسبات'
screen_width=1024
screen_height=768

work=$(mktemp -d)
cleanup() {
  for pid in ${app_pid:-} ${wm_pid:-} ${xvfb_pid:-}; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it to the descriptor.
exec 3>"$work/display"
# -noreset: a server that resets when its last client leaves refuses the next one for a moment.
Xvfb -displayfd 3 -screen 0 ${screen_width}x${screen_height}x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
DISPLAY=":$(cat "$work/display")"
export DISPLAY

# Prints the id of the visible window with this exact caption once it appears.
wait_for_window() {
  local caption=$1 id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "^$(printf '%s' "$caption" | sed 's/[()]/\\&/g')\$" 2>/dev/null | head -n 1 || true)
    if [[ -n $id ]]; then echo "$id"; return 0; fi
    kill -0 "$app_pid" 2>/dev/null || { echo "the program ended early" >&2; return 1; }
    sleep 0.05
  done
  echo "no window captioned '$caption'" >&2
  return 1
}

# Checks that a window stands where centring by its outer size puts it: its frame from the
# window manager's frame extents (none without a window manager), its client area from X.
expect_centred() {
  local name=$1 id=$2 extents left right top bottom x y width height outer_x outer_y
  sleep 0.2  # the window manager frames and places a window after mapping it
  extents=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ',')
  if [[ -n ${wm_pid:-} && -z $extents ]]; then
    echo "$name has no frame from the window manager"; cat "$work/openbox.log"; return 1
  fi
  read -r left right top bottom <<<"${extents:-0 0 0 0}"
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}
                                    /Width:/ {print "width=" $2} /Height:/ {print "height=" $2}')"
  outer_x=$(( x - left )); outer_y=$(( y - top ))
  # Bash divides toward zero, as the placement does.
  local want_x=$(( (screen_width - (width + left + right)) / 2 )) want_y=$(( (screen_height - (height + top + bottom)) / 2 ))
  if [[ $outer_x -ne $want_x || $outer_y -ne $want_y ]]; then
    echo "$name stands at $outer_x,$outer_y, not at $want_x,$want_y (frame $left $right $top $bottom)"
    return 1
  fi
  echo "$name centred at $outer_x,$outer_y"
}

# One walk through one calculator: "coldroom" or "icebank".
walk() {
  local calculator=$1 start input sheet caption calculate
  QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
  app_pid=$!
  start=$(wait_for_window "$start_caption")
  expect_centred "start dialog" "$start"
  xdotool windowfocus --sync "$start"
  # Tab reaches the selected option; the arrow chooses the other one.
  if [[ $calculator == icebank ]]; then xdotool key --clearmodifiers Tab Up; fi
  xdotool key --clearmodifiers Return
  if [[ $calculator == icebank ]]; then caption=$icebank_caption; else caption=$coldroom_caption; fi
  input=$(wait_for_window "$caption")
  expect_centred "$calculator window" "$input"
  if xdotool search --onlyvisible --name "^$start_caption\$" >/dev/null 2>&1; then
    echo "the start dialog is still visible"; return 1
  fi
  # The fields by their places in the client area; Calculate, then Exit.
  if [[ $calculator == icebank ]]; then
    xdotool mousemove --window "$input" 848 276 click 1 type 5000
    calculate="228 356"; exit_button="100 356"
  else
    for field in "596 244 10" "540 244 5" "484 244 3" "216 244 1000"; do
      read -r fx fy text <<<"$field"
      xdotool mousemove --window "$input" "$fx" "$fy" click 1 type "$text"
    done
    calculate="220 452"; exit_button="92 452"
  fi
  for showing in first second; do
    # shellcheck disable=SC2086
    xdotool mousemove --window "$input" $calculate click 1
    sheet=$(wait_for_window "$sheet_caption")
    expect_centred "result sheet, $showing showing" "$sheet"
    xdotool key --clearmodifiers Return
    for _ in $(seq 100); do xdotool search --onlyvisible --name "^$sheet_caption\$" >/dev/null 2>&1 || break; sleep 0.05; done
  done
  # shellcheck disable=SC2086
  xdotool mousemove --window "$input" $exit_button click 1
  for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app_pid" 2>/dev/null; then echo "Exit did not end the program"; return 1; fi
  local code=0
  wait "$app_pid" || code=$?
  app_pid=
  echo "program ended with code $code"
  [[ $code -eq 0 ]] || { cat "$work/program.log"; return 1; }
}

echo "without a window manager:"
walk coldroom
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
for run in $(seq "$walks"); do
  if (( run % 2 )); then calculator=coldroom; else calculator=icebank; fi
  echo "under openbox, walk $run:"
  walk "$calculator"
done
