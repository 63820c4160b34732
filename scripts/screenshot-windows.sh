#!/usr/bin/env bash
# Photographs the Win32 main window of the Windows build under Wine, with
# the frame Wine draws as Windows does, in a virtual X display, for
# README.md.
#
#   scripts/screenshot-windows.sh [OUTPUT.png]   (default: docs/main-window-windows.png)
#
# Run as root on Debian 12 after the Windows build (build-windows/, see
# README.md) has been made; it installs what it needs when it is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/packages.sh"
ensure_packages "${WINE_PACKAGES[@]}" imagemagick x11-utils
output=$(realpath -m "${1:-$root/docs/main-window-windows.png}")
mkdir -p "$(dirname "$output")"

# A scratch application folder and Wine prefix, so that nothing touches the
# real ones.
scratch=$(mktemp -d)
trap 'WINEPREFIX=$scratch/prefix wineserver -k 2> /dev/null || true; rm -rf "$scratch"' EXIT
"$root/tests/windows/ui/prepare-gui-prefix.sh" "$scratch/prefix"
app=$scratch/app
mkdir -p "$app/dicionarios" "$app/segmentador"
cp "$root/build-windows/ui/win32/Lexavia.exe" "$app/Lexavia.exe"
: > "$app/dicionarios/dicionario_principal.txt"
: > "$app/dicionarios/dicionario_usuario.txt"

cd "$app"
"$root/tests/support/with_virtual_display.sh" "-screen 0 1024x768x24" bash -c '
  WINEPREFIX=$1 WINEDEBUG=-all wine ./Lexavia.exe & pid=$!
  # The main window, once Wine has mapped it with its frame.
  window=
  until [ -n "$window" ]; do
    sleep 0.2
    window=$(xwininfo -root -tree | awk "/\"Lexavia\": \\(\"lexavia.exe\"/ { print \$1; exit }")
  done
  sleep 1  # its first paint
  import -window "$window" "$2"
  WINEPREFIX=$1 wineserver -k
  wait "$pid" || true' bash "$scratch/prefix" "$output"
echo "wrote $output"
