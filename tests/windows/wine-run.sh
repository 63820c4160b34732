#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, in the Wine prefix PREFIX
# that prepare-wine.sh made (with the same --unprivileged), without Wine's
# own diagnostics. The exit status is the program's.
#
#   wine-run.sh [--unprivileged] PREFIX PROGRAM.exe [ARGUMENT...]
set -euo pipefail
. "$(dirname "$0")/wine-user.sh"
shift "$shifted"
prefix=$1
shift
exec "${as_user[@]}" env HOME="$prefix.home" WINEPREFIX="$prefix" WINEDEBUG=-all wine "$@"
