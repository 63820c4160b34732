#!/usr/bin/env bash
# Runs a Windows program under Wine, in the prefix PREFIX, on a virtual X
# display of its own, and waits until Wine's own processes have left it.
# The exit status is the program's.
#
#   with-display.sh PREFIX PROGRAM.exe [ARGUMENT...]
set -euo pipefail
tests=$(cd "$(dirname "$0")/../.." && pwd)
exec "$tests/support/with_virtual_display.sh" "-screen 0 1024x768x24" bash -c '
  wine_run=$1 prefix=$2
  status=0
  "$wine_run" "$prefix" "${@:3}" || status=$?
  WINEPREFIX=$prefix wineserver --wait
  exit "$status"' bash "$tests/windows/wine-run.sh" "$@"
