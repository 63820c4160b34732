#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, in the Wine prefix PREFIX
# that tests/windows/prepare-wine.sh made, without Wine's own diagnostics.
# The exit status is the program's.
#
#   wine-run.sh PREFIX PROGRAM.exe [ARGUMENT...]
set -euo pipefail
export WINEPREFIX=$1 WINEDEBUG=-all
shift
exec wine "$@"
