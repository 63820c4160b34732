#!/usr/bin/env bash
# Photographs Lexavia's main window in a virtual X display, for README.md.
#
#   scripts/screenshot.sh [OUTPUT.png]      (default: docs/main-window.png)
#
# Run as root on Debian 12 after scripts/run.sh or scripts/test.sh has built
# the program; it installs Xvfb and ImageMagick when they are missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/packages.sh"
ensure_packages xvfb xauth imagemagick fonts-wine
output=$(realpath -m "${1:-$root/docs/main-window.png}")
mkdir -p "$(dirname "$output")"

# A scratch application folder, so that nothing touches the real one.
app=$(mktemp -d)
trap 'rm -rf "$app"' EXIT
mkdir -p "$app/dicionarios" "$app/segmentador"
cp "$root/build/ui/Lexavia" "$app/Lexavia"
cp "$root/build/frasor/frasor.exe" "$app/segmentador/frasor.exe"
: > "$app/dicionarios/dicionario_principal.txt"
: > "$app/dicionarios/dicionario_usuario.txt"

cd "$app"
xvfb-run -a -s "-screen 0 640x260x24 -dpi 96" bash -c '
  ./Lexavia & pid=$!
  sleep 3
  import -window root "$0"
  kill -TERM "$pid"; wait "$pid"' "$output"
echo "wrote $output"
