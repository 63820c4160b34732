#!/usr/bin/env bash
# Starts the real Lexavia from a prepared application folder, asks it to end
# as a session would once it listens for that, and checks that it closes
# cleanly, leaving the user dictionary as it was.
#
#   lexavia_smoke_test.sh LEXAVIA FRASOR
set -euo pipefail
. "$(dirname "$0")/../../support/end_lexavia.sh"
program=$1 segmenter=$2
app=$(mktemp -d)
trap 'rm -rf "$app"' EXIT
mkdir -p "$app/dicionarios" "$app/segmentador"
cp "$program" "$app/Lexavia"
cp "$segmenter" "$app/segmentador/frasor.exe"
printf 'casa\r\n' > "$app/dicionarios/dicionario_principal.txt"
printf 'blog\r\n' > "$app/dicionarios/dicionario_usuario.txt"

cd "$app"
QT_QPA_PLATFORM=offscreen ./Lexavia &
pid=$!
end_lexavia "$pid"
[ "$lexavia_status" -eq 0 ] || { echo "Lexavia exited with status $lexavia_status"; exit 1; }
[ "$(cat dicionarios/dicionario_usuario.txt)" = $'blog\r' ] || { echo "user dictionary changed"; exit 1; }
echo "Lexavia started and closed cleanly"
