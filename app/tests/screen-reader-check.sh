#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs screen-reader-walk.py against the built program as a screen reader meets it: on an X
# display (Xvfb; Qt's offscreen platform has no accessibility bridge), in a D-Bus session of
# its own, where the session bus starts the AT-SPI bus and its registry when first asked, with
# Qt's accessibility on as it is under a running screen reader.
# Usage: screen-reader-check.sh PATH_TO_Project1 PATH_TO_program-windows.json
set -euo pipefail
# The Persian names reach Python and xdotool whole only in a UTF-8 locale.
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "$0")" && pwd)
program=$1
windows_json=$2

if [[ -z ${SCREEN_READER_SESSION:-} ]]; then
  SCREEN_READER_SESSION=1 exec "$here/on-display.sh" dbus-run-session -- "$0" "$program" "$windows_json"
fi

export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The system's Python, where Debian's python3-pyatspi lives.
exec /usr/bin/python3 "$here/screen-reader-walk.py" "$program" "$windows_json"
