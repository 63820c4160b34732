#!/usr/bin/env bash
# Compares what the Windows build's segmenter writes with what the Linux
# build's writes, byte for byte, for every file of the folders and files
# named (a folder stands for every file under it). The Linux frasor.exe runs
# once per file; the Windows build's frasor_parity.exe segments them all in
# one Wine process. Prints how many files were compared and each one whose
# .seg or readiness file differs; exits with 1 when any does.
#
#   check_frasor_parity.sh LINUX-FRASOR PARITY-PROGRAM WINE-PREFIX PATH...
#
# Wine reaches this machine's files through its drive Z:, which a new prefix
# maps to /. The whole check, from the repository with both builds made:
#
#   python3 tests/windows/write_encoding_cases.py /tmp/frasor-cases
#   tests/windows/check_frasor_parity.sh build/frasor/frasor.exe \
#     build-windows/tests/windows/frasor_parity.exe build-windows/wineprefix \
#     ../shared/corpora/*/*/raw fuzz/corpus/SegmenterFuzzer /tmp/frasor-cases
set -euo pipefail
if [ $# -lt 4 ]; then
  sed -n '2,17p' "$0" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
linux_frasor=$(realpath "$1")
parity=$(realpath "$2")
prefix=$(realpath -m "$3")
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/linux" "$work/windows"

# The inputs, in a fixed order.
for path in "$@"; do
  if [ -d "$path" ]; then
    find "$(realpath "$path")" -type f | LC_ALL=C sort
  elif [ -f "$path" ]; then
    realpath "$path"
  else
    echo "no such file or folder: $path" >&2
    exit 2
  fi
done > "$work/inputs"
count=$(wc -l < "$work/inputs")
if [ "$count" -eq 0 ]; then
  echo "no files to compare" >&2
  exit 2
fi

# The Nth input is G/N.txt on both sides, G being N / 100, as
# frasor_parity.exe lays its copies out.
python3 -c '
import os, shutil, sys
work = sys.argv[1]
with open(work + "/inputs", "rb") as inputs, open(work + "/copies", "w") as copies:
    for number, path in enumerate(inputs.read().splitlines(), 1):
        for side in ("linux", "windows"):
            os.makedirs("%s/%s/%d" % (work, side, number // 100), exist_ok=True)
        copy = "%s/linux/%d/%d.txt" % (work, number // 100, number)
        shutil.copyfile(path, copy)
        print(copy, file=copies)
' "$work"
# A failure shows as a missing readiness file, compared below.
xargs -P 2 -n 1 -d '\n' "$linux_frasor" < "$work/copies" 2> /dev/null || true

"$here/prepare-wine.sh" "$prefix"
if [ ! -e "$prefix/dosdevices/z:" ]; then
  echo "the Wine prefix $prefix has no drive Z:" >&2
  exit 2
fi
windows_work="Z:${work//\//\\}"
sed 's|/|\\|g; s|^|Z:|' "$work/inputs" | iconv -f UTF-8 -t CP1252 > "$work/inputs-windows"
"$here/wine-run.sh" "$prefix" "$parity" "$windows_work\\inputs-windows" "$windows_work\\windows" ||
  true

# The input of N.txt (or of its .seg or readiness file) is line N.
input_of() { sed -n "$1p" "$work/inputs"; }
differences=0
while IFS= read -r line; do
  differences=$((differences + 1))
  if [[ $line =~ ^Files\ .*/linux/([0-9]+/([0-9]+)\.txt([^ ]*))\ and\ .*\ differ$ ]]; then
    name=${BASH_REMATCH[1]}
    where=$(cmp "$work/linux/$name" "$work/windows/$name" | sed 's/.* differ: //' || true)
    echo "differs: $(input_of "${BASH_REMATCH[2]}")${BASH_REMATCH[3]}: first at $where"
  elif [[ $line =~ ^Only\ in\ .*/(linux|windows)/[0-9]+:\ ([0-9]+)\.txt(.*)$ ]]; then
    echo "differs: $(input_of "${BASH_REMATCH[2]}")${BASH_REMATCH[3]}: written by the" \
      "${BASH_REMATCH[1]} build only"
  else
    echo "differs: $line"
  fi
done < <(LC_ALL=C diff -rq "$work/linux" "$work/windows" || true)

echo "frasor parity: $count files compared, $differences differences"
[ "$differences" -eq 0 ]
