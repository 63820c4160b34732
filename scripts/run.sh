#!/usr/bin/env bash
# Builds Lexavia and starts it from its application folder. Run as root on
# Debian 12: it installs what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}"

cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j "$(nproc)"
echo "Lexavia's window is not built yet: the core and its tests are."
