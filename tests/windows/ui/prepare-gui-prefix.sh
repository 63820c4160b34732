#!/usr/bin/env bash
# Prepares the Wine prefix PREFIX for the tests of the windows, once: the
# prefix of tests/windows/prepare-wine.sh with the fonts a Windows system
# has in its Fonts folder (Debian's Wine does not find those it ships, MS
# Sans Serif among them), window frames that Wine draws itself, as Windows
# does, where no window manager draws them, and the system's dots per inch
# at DPI (96 when not given).
#
#   prepare-gui-prefix.sh PREFIX [DPI]
set -euo pipefail
prefix=$1 dpi=${2:-96}
"$(dirname "$0")/../prepare-wine.sh" "$prefix"
fonts=$prefix/drive_c/windows/Fonts
if [ ! -f "$fonts/sserife.fon" ]; then
  cp /usr/share/wine/fonts/* "$fonts/"
fi
settings() {
  WINEPREFIX=$prefix WINEDEBUG=-all wine reg add "$@" /f > /dev/null
  WINEPREFIX=$prefix wineserver --wait
}
grep -q '"Decorated"="N"' "$prefix/user.reg" ||
  settings 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N
grep -q "\"LogPixels\"=dword:$(printf %08x "$dpi")" "$prefix/user.reg" ||
  settings 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi"
