#!/usr/bin/env bash
# Builds Lexavia, lays out its application folder (app/) and starts it
# there. Run as root on Debian 12 with a display: it installs what is
# missing. An existing user dictionary in app/ is kept as it is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}"
# The shipped main dictionary; quick when it is already up to date.
"$root/tools/dictionary/build-dictionary.sh" "$root/data/dicionarios/dicionario_principal.txt"

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j "$(nproc)" --target app
cd "$root/app"
exec ./Lexavia
