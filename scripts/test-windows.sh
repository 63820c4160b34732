#!/usr/bin/env bash
# Builds Lexavia for Windows (build-windows/) and runs its tests under Wine,
# the windows' on a virtual display; the main window's tests build the
# Linux side of their comparisons from this tree. Run as root on Debian 12:
# it installs what is missing. The tests expect the shared corpora in
# ../shared beside the repository.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/packages.sh"
ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}" "${WINE_PACKAGES[@]}" "${BUILD_PACKAGES[@]}"
dictionary=$root/data/dicionarios/dicionario_principal.txt
[ -e "$dictionary" ] || "$root/tools/dictionary/build-dictionary.sh" "$dictionary"

cmake -S "$root" -B "$root/build-windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
cmake --build "$root/build-windows" -j "$(nproc)"
(cd "$root/build-windows" && ctest --output-on-failure)
