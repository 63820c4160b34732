#!/usr/bin/env bash
# Runs a program in a virtual X display whose windows a real window manager
# (jwm) frames, as on a desktop, once the manager has taken the display.
#
#   with_window_manager.sh PROGRAM [ARGUMENT...]
set -euo pipefail
here=$(dirname "$0")
exec "$here/../../support/with_virtual_display.sh" "-screen 0 1024x768x24 -dpi 96" bash -c '
  config=$1; shift
  jwm -f "$config" & manager=$!
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    kill -0 "$manager" || exit 1
    sleep 0.05
  done
  status=0
  QT_QPA_PLATFORM=xcb "$@" || status=$?
  kill "$manager"
  exit "$status"' bash "$here/jwmrc.xml" "$@"
