#!/usr/bin/env bash
# Photographs Lexavia's main window, with the frame and title bar a window
# manager (jwm) gives it, in a virtual X display, for README.md.
#
#   scripts/screenshot.sh [OUTPUT.png]      (default: docs/main-window.png)
#
# Run as root on Debian 12 after scripts/run.sh or scripts/test.sh has built
# the program; it installs what it needs when it is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/packages.sh"
ensure_packages "${WINDOW_MANAGER_PACKAGES[@]}" imagemagick fonts-wine
output=$(realpath -m "${1:-$root/docs/main-window.png}")
mkdir -p "$(dirname "$output")"

# A scratch application folder, so that nothing touches the real one.
app=$(mktemp -d)
trap 'rm -rf "$app"' EXIT
mkdir -p "$app/dicionarios" "$app/segmentador"
cp "$root/build/ui/qt/Lexavia" "$app/Lexavia"
cp "$root/build/frasor/frasor.exe" "$app/segmentador/frasor.exe"
: > "$app/dicionarios/dicionario_principal.txt"
: > "$app/dicionarios/dicionario_usuario.txt"

cd "$app"
"$root/tests/ui/qt/with_window_manager.sh" bash -c '
  ./Lexavia & pid=$!
  # The main window, once the window manager has framed it.
  client=
  until [ -n "$client" ]; do
    sleep 0.2
    client=$(xwininfo -root -tree | awk "/\"Lexavia\": \\(\"Lexavia\"/ && / [0-9]+x[0-9]+\\+[1-9]/ { print \$1; exit }")
  done
  sleep 1  # its first paint
  import -frame -window "$client" "$0"
  kill -TERM "$pid"; wait "$pid"' "$output"
echo "wrote $output"
