#!/usr/bin/env bash
# Builds the Debian package of Lexavia for Debian 12 and writes
# dist/lexavia_<version>_amd64.deb (the version is that of project() in
# CMakeLists.txt), then checks it with lintian. Install it with
#   apt install ./dist/lexavia_<version>_amd64.deb
#
# Run as root on Debian 12: it installs what is missing, and builds the main
# dictionary when it is missing or its sources changed. It writes nothing
# outside dist/ and its build folder, build-deb/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_TOOLS[@]}"
"$root/tools/dictionary/build-dictionary.sh" "$root/data/dicionarios/dicionario_principal.txt"

# Debian's hardening: fortified C library calls, read-only relocations bound at start.
cmake -S "$root" -B "$root/build-deb" -DCMAKE_BUILD_TYPE=Release -DLEXAVIA_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS="-D_FORTIFY_SOURCE=2" -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now" \
  -DLEXAVIA_DEB_COMPRESSION=xz
cmake --build "$root/build-deb" -j "$(nproc)" --target deb

version=$(sed -n 's/^project(Lexavia VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
deb=lexavia_${version}_amd64.deb
lintian --fail-on error "$root/build-deb/$deb"
mkdir -p "$root/dist"
cp "$root/build-deb/$deb" "$root/dist/$deb"
echo "wrote dist/$deb"
