#!/usr/bin/env bash
# Builds Lexavia with every warning as an error, runs every test, then runs
# the unit tests again in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer. Run as root on Debian 12: it installs what is
# missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${WINDOW_MANAGER_PACKAGES[@]}"
# The shipped main dictionary; quick when it is already up to date.
"$root/tools/dictionary/build-dictionary.sh" "$root/data/dicionarios/dicionario_principal.txt"

jobs=$(nproc)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build" -j "$jobs"
(cd "$root/build" && ctest --output-on-failure -j "$jobs")

cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DLEXAVIA_SANITIZE=ON \
  -DLEXAVIA_BENCHMARKS=OFF -DLEXAVIA_UI=OFF
cmake --build "$root/build-sanitize" -j "$jobs"
(cd "$root/build-sanitize" && ctest --output-on-failure -j "$jobs" -L unit)

# Every fuzz target of fuzz/ for 30 seconds over its seed corpus.
"$root/fuzz/build.sh" && "$root/fuzz/run.sh" all 30
