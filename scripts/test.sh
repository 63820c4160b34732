#!/usr/bin/env bash
# Builds Lexavia with every warning as an error and runs every test: the
# Linux build's; its Debian package's; the unit tests again in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer; the Windows build's, cross-compiled and run
# under Wine, held byte for byte to the Linux build; and every fuzz target
# for a short while. Run as root on Debian 12: it installs what is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOW_MANAGER_PACKAGES[@]}" \
  "${PACKAGE_TOOLS[@]}" "${WINDOWS_BUILD_PACKAGES[@]}" "${WINE_PACKAGES[@]}"
# The shipped main dictionary (quick when it is already up to date), made
# while the Linux build compiles: mostly one core's work, and nothing is
# compiled from it.
"$root/tools/dictionary/build-dictionary.sh" "$root/data/dicionarios/dicionario_principal.txt" &
dictionary=$!

jobs=$(nproc)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEXAVIA_DEB_COMPRESSION=gzip
cmake --build "$root/build" -j "$jobs"
wait "$dictionary"
# Once more, to lay the dictionary into the build's application folder.
cmake --build "$root/build" -j "$jobs"
(cd "$root/build" && ctest --output-on-failure -j "$jobs")

# The Debian package of this build: installed, used, upgraded and purged.
cmake --build "$root/build" --target deb
bash "$root/tests/package/package_test.sh" "$root"/build/lexavia_*_amd64.deb \
  "$root/build/tests/windows/ui/linux/reference_runs"

cmake -S "$root" -B "$root/build-windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DLEXAVIA_LINUX_BUILD="$root/build"
cmake --build "$root/build-windows" -j "$jobs"

# The unit tests again under the sanitizers, and every fuzz target of fuzz/
# for 20 seconds over its seed corpus, beside the Windows tests, which spend
# much of their time waiting on Wine. Their output follows the Windows tests'.
sanitizers_and_fuzzing() {
  cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DLEXAVIA_SANITIZE=ON \
    -DLEXAVIA_BENCHMARKS=OFF -DLEXAVIA_UI=OFF
  # Only the unit suites are built: nothing else runs in this build.
  mapfile -t unit_suites < <(cd "$root/build-sanitize" && ctest -L unit -N | sed -n 's/^ *Test *#[0-9]*: //p')
  cmake --build "$root/build-sanitize" -j "$jobs" --target "${unit_suites[@]}"
  (cd "$root/build-sanitize" && ctest --output-on-failure -j "$jobs" -L unit)
  "$root/fuzz/build.sh" && "$root/fuzz/run.sh" all 20
}
side_log=$(mktemp)
(set -euo pipefail; sanitizers_and_fuzzing) >"$side_log" 2>&1 &
side=$!
windows_status=0
(cd "$root/build-windows" && ctest --output-on-failure -j "$jobs") || windows_status=$?
side_status=0
wait "$side" || side_status=$?
cat "$side_log"
rm -f "$side_log"
if [ "$windows_status" -ne 0 ] || [ "$side_status" -ne 0 ]; then
  echo "failed: the Windows tests (status $windows_status), the sanitizers and fuzzing (status $side_status)" >&2
  exit 1
fi
