#!/usr/bin/env bash
# Creates the Wine prefix PREFIX for the tests of the Windows build, once,
# and waits until Wine has finished setting it up, so that tests running
# side by side never set it up twice. --unprivileged as in wine-run.sh.
#
#   prepare-wine.sh [--unprivileged] PREFIX
set -euo pipefail
. "$(dirname "$0")/wine-user.sh"
shift "$shifted"
prefix=$1
mkdir -p "$prefix" "$prefix.home"
[ -z "$owner" ] || chown "$owner" "$prefix" "$prefix.home"
run() { "${as_user[@]}" env HOME="$prefix.home" WINEPREFIX="$prefix" WINEDEBUG=-all "$@"; }
if [ ! -f "$prefix/system.reg" ]; then
  run wineboot --init > /dev/null 2>&1
fi
run wineserver --wait
