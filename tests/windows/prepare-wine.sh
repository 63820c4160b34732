#!/usr/bin/env bash
# Creates the Wine prefix PREFIX for the tests of the Windows build, once,
# and waits until Wine has finished setting it up, so that tests running
# side by side never set it up twice.
#
#   prepare-wine.sh PREFIX
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init > /dev/null 2>&1
fi
wineserver --wait
