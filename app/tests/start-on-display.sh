#!/usr/bin/env bash
# Starts the built program on a real X display (Xvfb, with the openbox window manager) with
# Qt's X11 platform, waits for the start dialog by its caption, checks that it stands centred
# by its frame, presses Enter to continue into the cold-room calculator, checks that window
# too, clicks its Exit button and expects the program to end with code 0.
# Usage: start-on-display.sh PATH_TO_Project1
set -euo pipefail
program=$1
start_caption='محاسبات بار برودتي نسخه 2.0'
coldroom_caption='محاسبات سردخانه (فريوني)'

work=$(mktemp -d)
cleanup() {
  [[ -n ${app_pid:-} ]] && kill "$app_pid" 2>/dev/null || true
  [[ -n ${wm_pid:-} ]] && kill "$wm_pid" 2>/dev/null || true
  [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it to the descriptor.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(cat "$work/display")"

# A window manager frames the windows, as on a desktop: a window is centred by its outer size.
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done

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

# Fails unless the window's frame stands in the middle of the 1024 x 768 screen (halves
# truncated), once the window manager has framed it.
expect_centred() {
  local id=$1 name=$2 x y w h l r t b
  for _ in $(seq 50); do
    read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
    [[ -n ${t:-} ]] && break
    sleep 0.1
  done
  sleep 0.3
  read -r x y w h < <(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                                              /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
  local left=$((x - l)) top=$((y - t))
  local want_left=$(((1024 - w - l - r) / 2)) want_top=$(((768 - h - t - b) / 2))
  echo "$name: frame at $left,$top, centred at $want_left,$want_top"
  [[ $left -eq $want_left && $top -eq $want_top ]] || { echo "$name is not centred by its frame"; exit 1; }
}

start=$(wait_for_window "$start_caption")
echo "start dialog shown: window $start"
expect_centred "$start" "start dialog"
xdotool windowfocus --sync "$start"
xdotool key --clearmodifiers Return

coldroom=$(wait_for_window "$coldroom_caption")
echo "cold-room window shown: window $coldroom"
expect_centred "$coldroom" "cold-room window"
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
