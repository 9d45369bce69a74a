#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on an X display of its own (Xvfb, on a display number it picks itself) with
# Qt's X11 platform, and ends the display after it; the command's exit code is the script's.
# Usage: on-display.sh COMMAND [ARGUMENT...]
set -euo pipefail
work=$(mktemp -d)
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
# Xvfb writes the display number to the descriptor once it takes clients.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb "$@"
