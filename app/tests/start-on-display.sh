#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the built program on a real X display (Xvfb) with Qt's X11 platform and walks it as
# a user: the start dialog, Continue into one calculator, a calculation whose result sheet is
# closed with Enter, moved by the user and shown again, and Exit, which must end the program
# with code 0. Every window must stand centred on the screen by its outer size, frame and
# title bar included, each time it is shown, moved the least into the work area where it
# would leave it, its title bar at the work area's top where it is taller. It walks once
# without a window manager and several times under openbox, each calculator in turn, since a
# window manager frames a window only after it is shown; then, at a scale of 2 on a
# 1920 x 1080 screen with a panel across its top, once through each calculator.
# A window taller than the work area is fitted to it, its client area scrolling: its frame
# stands inside the work area, and the cold-room sheet's Back button, in view as the sheet
# opens, takes a click.
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
scale=1

work=$(mktemp -d)
cleanup() {
  for pid in ${app_pid:-} ${panel_pid:-} ${wm_pid:-} ${xvfb_pid:-}; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A fresh X display of WIDTH x HEIGHT pixels, without a window manager.
start_display() {
  for pid in ${panel_pid:-} ${wm_pid:-} ${xvfb_pid:-}; do kill "$pid" 2>/dev/null || true; done
  panel_pid= wm_pid=
  screen_width=$1 screen_height=$2
  rm -f "$work/display"
  # Xvfb picks a free display number and writes it to the descriptor.
  exec 3>"$work/display"
  # -noreset: a server that resets when its last client leaves refuses the next one for a moment.
  Xvfb -displayfd 3 -screen 0 "${screen_width}x${screen_height}x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
  [[ -s $work/display ]] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  DISPLAY=":$(cat "$work/display")"
  export DISPLAY
}

start_openbox() {
  openbox >"$work/openbox.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.05; done
}

# A panel across the top of the screen, HEIGHT pixels: a window that reserves the strip with
# its strut, which the window manager takes off the work area.
start_panel() {
  local height=$1 id
  xmessage -geometry "${screen_width}x${height}+0+0" -name panel panel >/dev/null 2>&1 &
  panel_pid=$!
  for _ in $(seq 100); do id=$(xdotool search --classname '^panel$' 2>/dev/null | head -n 1 || true); [[ -n $id ]] && break; sleep 0.05; done
  xprop -id "$id" -f _NET_WM_STRUT 32c -set _NET_WM_STRUT "0, 0, $height, 0"
  for _ in $(seq 100); do [[ $(work_area) == "0 $height "* ]] && break; sleep 0.05; done
  echo "work area $(work_area)"
}

# The work area as the window manager gives it: left top width height; the screen without one.
work_area() {
  local area
  area=$(xprop -root _NET_WORKAREA 2>/dev/null | sed -n 's/.*= //p' | tr -d ',' | cut -d' ' -f1-4)
  echo "${area:-0 0 $screen_width $screen_height}"
}

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

# Where a window along one side goes, in the program's pixels (the screen's divided by the
# scale): centred on the screen, halves truncated toward zero as bash divides; then, where it
# fits the work area, moved the least that keeps it inside, and where it does not, at the
# work area's start (its title bar at the top).
placed() {
  local screen=$1 area_start=$2 area_size=$3 outer=$4 at
  at=$(( (screen - outer) / 2 ))
  if (( outer > area_size )); then
    (( $5 )) && at=$area_start
  else
    (( at < area_start )) && at=$area_start
    (( at + outer > area_start + area_size )) && at=$(( area_start + area_size - outer ))
  fi
  echo "$at"
}

# Checks that a window stands where the placement puts it: its frame from the window manager's
# frame extents (none without a window manager), its client area from X. Qt places windows in
# its own pixels and rounds the frame to them.
expect_placed() {
  local name=$1 id=$2 extents left right top bottom x y width height area_x area_y area_w area_h
  sleep 0.2  # the window manager frames and places a window after mapping it
  extents=$(xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ',')
  if [[ -n ${wm_pid:-} && -z $extents ]]; then
    echo "$name has no frame from the window manager"; cat "$work/openbox.log"; return 1
  fi
  read -r left right top bottom <<<"${extents:-0 0 0 0}"
  eval "$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {print "x=" $4} /Absolute upper-left Y/ {print "y=" $4}
                                    /Width:/ {print "width=" $2} /Height:/ {print "height=" $2}')"
  read -r area_x area_y area_w area_h <<<"$(work_area)"
  local s=$scale half=$(( scale / 2 ))
  local l=$(( (left + half) / s )) r=$(( (right + half) / s )) t=$(( (top + half) / s )) b=$(( (bottom + half) / s ))
  local want_x want_y
  want_x=$(placed $(( screen_width / s )) $(( area_x / s )) $(( area_w / s )) $(( width / s + l + r )) 0)
  want_y=$(placed $(( screen_height / s )) $(( area_y / s )) $(( area_h / s )) $(( height / s + t + b )) 1)
  want_x=$(( (want_x + l) * s )) want_y=$(( (want_y + t) * s ))
  # A window taller than the work area is fitted to it, its client area scrolling.
  if (( top + height + bottom > area_h )); then
    echo "$name's frame, $(( top + height + bottom )) pixels high, is taller than the work area ($area_h)"
    return 1
  fi
  if [[ $x -ne $want_x || $y -ne $want_y ]]; then
    echo "$name's client area stands at $x,$y, not at $want_x,$want_y (frame $left $right $top $bottom, work area $area_x $area_y $area_w $area_h)"
    return 1
  fi
  echo "$name placed: frame at $(( x - left )),$(( y - top )), ${width}x${height} inside"
}

# One walk through one calculator: "coldroom" or "icebank". Pointer positions are given in
# the windows' own pixels.
walk() {
  local calculator=$1 start input sheet caption calculate exit_button
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$program" >"$work/program.log" 2>&1 &
  app_pid=$!
  start=$(wait_for_window "$start_caption")
  expect_placed "start dialog" "$start"
  xdotool windowfocus --sync "$start"
  # Tab reaches the selected option; the arrow chooses the other one.
  if [[ $calculator == icebank ]]; then xdotool key --clearmodifiers Tab Up; fi
  xdotool key --clearmodifiers Return
  if [[ $calculator == icebank ]]; then caption=$icebank_caption; else caption=$coldroom_caption; fi
  input=$(wait_for_window "$caption")
  expect_placed "$calculator window" "$input"
  if xdotool search --onlyvisible --name "^$start_caption\$" >/dev/null 2>&1; then
    echo "the start dialog is still visible"; return 1
  fi
  click() { xdotool mousemove --window "$input" $(( $1 * scale )) $(( $2 * scale )) click 1; }
  # The fields by their places in the client area; Calculate, then Exit.
  if [[ $calculator == icebank ]]; then
    click 848 276; xdotool type 5000
    calculate="228 356"; exit_button="100 356"
  else
    for field in "596 244 10" "540 244 5" "484 244 3" "216 244 1000"; do
      read -r fx fy text <<<"$field"
      click "$fx" "$fy"; xdotool type "$text"
    done
    calculate="220 452"; exit_button="92 452"
  fi
  for showing in first second; do
    # shellcheck disable=SC2086
    click $calculate
    sheet=$(wait_for_window "$sheet_caption")
    expect_placed "result sheet, $showing showing" "$sheet"
    if [[ $calculator == coldroom && $showing == second ]]; then
      # Focused as the sheet opens, its Back button is scrolled into view, at the foot of what
      # shows of the 684-pixel client area, and takes a click.
      local shown
      shown=$(xwininfo -id "$sheet" | awk '/Height:/ {print $2}')
      xdotool mousemove --window "$sheet" $(( 76 * scale )) $(( shown - (684 - 648) * scale )) click 1
    else
      # Where the user leaves it, it is placed anew at the next showing.
      xdotool windowmove --sync "$sheet" 3 3 || true
      xdotool windowfocus --sync "$sheet" key --clearmodifiers Return
    fi
    for _ in $(seq 100); do xdotool search --onlyvisible --name "^$sheet_caption\$" >/dev/null 2>&1 || break; sleep 0.05; done
    if xdotool search --onlyvisible --name "^$sheet_caption\$" >/dev/null 2>&1; then echo "the sheet did not close"; return 1; fi
  done
  # shellcheck disable=SC2086
  click $exit_button
  for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app_pid" 2>/dev/null; then echo "Exit did not end the program"; return 1; fi
  local code=0
  wait "$app_pid" || code=$?
  app_pid=
  echo "program ended with code $code"
  [[ $code -eq 0 ]] || { cat "$work/program.log"; return 1; }
}

start_display 1024 768
echo "without a window manager:"
walk coldroom
start_openbox
for run in $(seq "$walks"); do
  if (( run % 2 )); then calculator=coldroom; else calculator=icebank; fi
  echo "under openbox, walk $run:"
  walk "$calculator"
done

# The start dialog, the cold-room window and its sheet are taller than the work area here;
# the ice-bank window and its sheet fit.
start_display 1920 1080
start_openbox
start_panel 48
scale=2
for calculator in coldroom icebank; do
  echo "at scale 2 under a panel:"
  walk "$calculator"
done
