#!/usr/bin/env bash
# Starts the real Lexavia from a prepared application folder, checks that
# it stays up, asks it to end as a session would, and checks that it closes
# cleanly, leaving the user dictionary as it was.
#
#   lexavia_smoke_test.sh LEXAVIA FRASOR
set -euo pipefail
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
sleep 2
kill -0 "$pid" || { echo "Lexavia ended on its own"; exit 1; }
kill -TERM "$pid"
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  kill -KILL "$pid"
  echo "Lexavia did not close within 5 s"
  exit 1
fi
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "Lexavia exited with status $status"; exit 1; }
[ "$(cat dicionarios/dicionario_usuario.txt)" = $'blog\r' ] || { echo "user dictionary changed"; exit 1; }
echo "Lexavia started and closed cleanly"
