#!/usr/bin/env bash
# Runs a program of the Windows build under Wine with a small disk of its
# own as drive R: of the prefix PREFIX: a tmpfs of SIZE mounted for the run,
# so that a write beyond its room fails as on a full disk. The drive is
# unmounted and taken away again however the program ends. Needs root.
#
#   with-full-disk.sh PREFIX SIZE PROGRAM.exe [ARGUMENT...]
set -euo pipefail
here=$(dirname "$0")
prefix=$1
size=$2
shift 2
if [ "$(id -u)" -ne 0 ]; then
  echo "with-full-disk.sh: mounting the small disk needs root" >&2
  exit 1
fi
disk=$(mktemp -d "${TMPDIR:-/tmp}/lexavia-full-disk.XXXXXX")
drive="$prefix/dosdevices/r:"
cleanup() {
  rm -f "$drive"
  # Lazily: the Wine server may let go of the drive a moment later.
  umount -l "$disk" 2> /dev/null || true
  rmdir "$disk"
}
trap cleanup EXIT
trap "exit 1" INT TERM HUP
mount -t tmpfs -o "size=$size,mode=0777" lexavia-full-disk "$disk"
ln -sfn "$disk" "$drive"
status=0
"$here/wine-run.sh" "$prefix" "$@" || status=$?
exit "$status"
