#!/usr/bin/env bash
# The segmenter's parity check as a test: the shared corpora (both layouts),
# the fuzz seeds and the made-up encoding cases.
#
#   frasor-parity-test.sh LINUX-FRASOR PARITY-PROGRAM WINE-PREFIX SHARED-DIR SOURCE-DIR
set -euo pipefail
linux_frasor=$1 parity=$2 prefix=$3 shared=$4 source=$5
cases=$(mktemp -d)
trap 'rm -rf "$cases"' EXIT
python3 "$source/tests/windows/write_encoding_cases.py" "$cases"
"$source/tests/windows/check_frasor_parity.sh" "$linux_frasor" "$parity" "$prefix" \
  "$shared"/corpora/*/*/raw "$source/fuzz/corpus/SegmenterFuzzer" "$cases"
