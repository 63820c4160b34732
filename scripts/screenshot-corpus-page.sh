#!/usr/bin/env bash
# Photographs lexavia-corpus's page, candidatos.html, written for a small
# corpus (the first news texts of ../shared/corpora/ud-bosque), in headless
# Chromium, for README.md.
#
#   scripts/screenshot-corpus-page.sh [OUTPUT.png]      (default: docs/corpus-page.png)
#
# Run on Debian 12 after scripts/run.sh or scripts/test.sh has built the
# program (build/corpus/lexavia-corpus) and the main dictionary; it installs
# Chromium when it is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/packages.sh"
ensure_packages chromium
output=$(realpath -m "${1:-$root/docs/corpus-page.png}")
texts=$root/../shared/corpora/ud-bosque/wrapped/raw
mkdir -p "$(dirname "$output")"

# A scratch corpus, dictionary folder and output folder: the user's own
# dictionary is neither read nor touched.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$work/dicionarios" "$work/resultados" "$work/perfil"
find "$texts" -name 'CF*.txt' | LC_ALL=C sort | head -n 40 |
  xargs -d '\n' cp -t "$work/corpus"
ln -s "$(realpath "$root/data/dicionarios/dicionario_principal.txt")" "$work/dicionarios/"
: > "$work/dicionarios/dicionario_usuario.txt"
"$root/build/corpus/lexavia-corpus" --dicionarios "$work/dicionarios" \
  --saida "$work/resultados" "$work/corpus"

chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --no-first-run \
  --user-data-dir="$work/perfil" --window-size=1600,1000 --screenshot="$output" \
  "file://$work/resultados/candidatos.html" 2> /dev/null
echo "wrote $output"
