#!/usr/bin/env bash
# Runs the tests of the Win32 windows on the real Lexavia.exe: packs the
# release with the code that packs it for users and unpacks it, has the
# Linux build run the same detections on the same texts for the byte
# comparison, and runs the driver, a Windows program, under Wine on a
# virtual display, at 96 dots per inch and, for the sizes, at 144.
# Everything lies in a temporary folder, removed at the end.
#
#   main-window-tests.sh PREFIX DRIVER.exe STAND_IN.exe REFERENCE_RUNS LINUX_FRASOR \
#                        CORPUS SOURCE_DIR PROGRAM.exe FRASOR.exe OBJDUMP RELEASE_NAME \
#                        CORPUS_PROGRAM.exe CORPUS_LISTS
#
# PREFIX-96dpi and PREFIX-144dpi are Wine prefixes of prepare-gui-prefix.sh;
# REFERENCE_RUNS and LINUX_FRASOR are the Linux build's; CORPUS holds the UD
# Bosque documents (raw, one paragraph a line).
set -euo pipefail
prefix=$1 driver=$2 stand_in=$3 reference_runs=$4 linux_frasor=$5 corpus=$6
source_dir=$7 program=$8 frasor=$9 objdump=${10} name=${11} corpus_program=${12} corpus_lists=${13}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -DZIP="$work/$name.zip" -DNAME="$name" -DSOURCE_DIR="$source_dir" -DPROGRAM="$program" \
  -DFRASOR="$frasor" -DCORPUS_PROGRAM="$corpus_program" -DCORPUS_LISTS="$corpus_lists" \
  -DOBJDUMP="$objdump" -P "$source_dir/cmake/PackRelease.cmake" > /dev/null
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$work/$name.zip")
[ "$(ls "$work/unpacked")" = "$name" ] || { echo "the zip does not unpack to one folder $name"; exit 1; }
release=$work/unpacked/$name

# Brazilian newspaper text in UTF-8; then its first document again with
# European newspaper text, in Windows-1252.
mkdir "$work/textos"
cat "$corpus"/CF00[0-3]?.txt > "$work/textos/artigo de opinião.txt"
cat "$corpus/CF0001.txt" "$corpus"/CP00[0-3]?.txt | iconv -f UTF-8 -t WINDOWS-1252 \
  > "$work/textos/crônica.txt"

# The Linux build's two runs, in one process, as the driver's.
linux=$work/linux
mkdir -p "$linux/segmentador" "$work/reference"
cp -r "$release/dicionarios" "$work/textos" "$linux/"
cp "$linux_frasor" "$linux/segmentador/frasor.exe"
echo "The Linux build:"
"$reference_runs" "$linux" "$linux/textos/artigo de opinião.txt" 1 0 \
  "$linux/textos/crônica.txt" 1 1
cp "$linux/textos/"*_candidatos-neologismos.* "$linux/dicionarios/dicionario_usuario.txt" \
  "$work/reference/"

# Wine's drive Z: is the root of the file system.
windows_path() { local path=${1//\//\\}; printf 'Z:%s' "$path"; }
export LEXAVIA_RELEASE=$(windows_path "$release")
export LEXAVIA_TEXTS=$(windows_path "$work/textos")
export LEXAVIA_LINUX_REFERENCE=$(windows_path "$work/reference")
export LEXAVIA_STAND_IN=$(windows_path "$stand_in")
echo "The Windows build, under Wine:"
"$here/with-display.sh" "$prefix-96dpi" "$driver"
echo "The Windows build, under Wine at 144 dots per inch:"
LEXAVIA_DPI=144 "$here/with-display.sh" "$prefix-144dpi" "$driver" \
  --gtest_filter='MainWindowTest.StartsWith*:MainWindowTest.TheHelpWindow*'
