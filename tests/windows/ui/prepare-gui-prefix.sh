#!/usr/bin/env bash
# Prepares the Wine prefix PREFIX for the tests of the windows, once: the
# prefix of tests/windows/prepare-wine.sh with the fonts a Windows system
# has in its Fonts folder (Debian's Wine does not find those it ships, MS
# Sans Serif among them), and window frames that Wine draws itself, as
# Windows does, where no window manager draws them.
#
#   prepare-gui-prefix.sh PREFIX
set -euo pipefail
prefix=$1
"$(dirname "$0")/../prepare-wine.sh" "$prefix"
fonts=$prefix/drive_c/windows/Fonts
if [ ! -f "$fonts/sserife.fon" ]; then
  cp /usr/share/wine/fonts/* "$fonts/"
fi
if ! grep -q '"Decorated"="N"' "$prefix/user.reg"; then
  WINEPREFIX=$prefix WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\X11 Driver' \
    /v Decorated /d N /f > /dev/null
  WINEPREFIX=$prefix wineserver --wait
fi
