#!/usr/bin/env bash
# Builds Lexavia for Windows x64 with Debian's mingw-w64 and writes the
# release, dist/Lexavia-<version>-windows-x64.zip: one folder holding
# Lexavia.exe, dicionarios/ (the main dictionary and an empty user
# dictionary) and segmentador/frasor.exe, with no DLL beside the programs;
# and its installer, dist/Lexavia-<version>-windows-x64-setup.exe, made
# with NSIS (packaging/windows/lexavia.nsi). The version is that of
# project() in CMakeLists.txt.
#
# Run as root on Debian 12: it installs what is missing, and builds the main
# dictionary when there is none (see tools/dictionary/README.md). It writes
# nothing outside dist/ and its build folder, build-windows-release/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/packages.sh"
ensure_packages "${WINDOWS_BUILD_PACKAGES[@]}"
dictionary=$root/data/dicionarios/dicionario_principal.txt
[ -e "$dictionary" ] || "$root/tools/dictionary/build-dictionary.sh" "$dictionary"

build=$root/build-windows-release
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s
cmake --build "$build" -j "$(nproc)" --target release installer

version=$(sed -n 's/^project(Lexavia VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
zip=Lexavia-$version-windows-x64.zip
setup=Lexavia-$version-windows-x64-setup.exe
mkdir -p "$root/dist"
cp "$build/release/$zip" "$root/dist/$zip"
cp "$build/installer/$setup" "$root/dist/$setup"
echo "wrote dist/$zip and dist/$setup"
