#!/usr/bin/env bash
# Starts the real Lexavia from a prepared application folder, asks it to end
# as a session would once it listens for that, and checks that it closes
# cleanly, leaving the user dictionary as it was. It waits on the program's
# own progress, never on the clock, so a busy machine only makes it slower.
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
# SIGTERM (15) is caught once bit 14 of the caught-signal mask is set.
catches_term() {
  local mask
  mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null) || return 1
  [ -n "$mask" ] && (( (16#$mask >> 14) & 1 ))
}
until catches_term; do
  kill -0 "$pid" 2>/dev/null || { echo "Lexavia ended on its own"; exit 1; }
  sleep 0.05
done
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "Lexavia exited with status $status"; exit 1; }
[ "$(cat dicionarios/dicionario_usuario.txt)" = $'blog\r' ] || { echo "user dictionary changed"; exit 1; }
echo "Lexavia started and closed cleanly"
