#!/usr/bin/env bash
# Runs a program of the Windows build under Wine, as wine-run.sh does, with
# the drive LETTER: of the prefix mapped to a fresh temporary folder, for
# tests of an application folder at a drive's root; the program finds the
# drive in LEXAVIA_ROOT_DRIVE. The mapping and the folder go afterwards.
#
#   with-drive.sh PREFIX LETTER PROGRAM.exe [ARGUMENT...]
set -euo pipefail
prefix=$1 letter=$2
shift 2
folder=$(mktemp -d)
link="$prefix/dosdevices/${letter,,}:"
trap 'rm -f "$link"; rm -rf "$folder"' EXIT
ln -sfn "$folder" "$link"
LEXAVIA_ROOT_DRIVE="$letter:" "$(dirname "$0")/wine-run.sh" "$prefix" "$@"
