#!/usr/bin/env bash
# Builds every libFuzzer target of fuzz/ with clang 14, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/. Run as root on Debian 12: it
# installs clang 14 and its runtime when they are missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
packages=(clang-14 libclang-rt-14-dev)
missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update && apt-get install -y "${missing[@]}"
fi

cmake -S "$root" -B "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DLEXAVIA_FUZZ=ON -DLEXAVIA_UI=OFF -DLEXAVIA_BENCHMARKS=OFF
cmake --build "$root/build-fuzz" -j "$(nproc)" --target \
  DictionaryReaderFuzzer ScannerFuzzer SegmenterFuzzer CommandLineFuzzer
