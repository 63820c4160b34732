#!/usr/bin/env bash
# Tests the Windows installer under Wine, in a fresh prefix of its own, as
# a user and an administrator use it: a silent installation into the
# default per-user folder; the files, the empty user dictionary and the
# entry in the installed programs; the Start-menu shortcut and a run of
# Lexavia started as it starts it (the driver DRIVER.exe), which stores a
# word; a second silent installation over the first, into the same folder
# named with /D=, which keeps the user dictionary byte for byte; and the
# silent uninstallation that the entry names, which removes everything but
# the user dictionary and its folder, and the entry itself.
#
#   installer-test.sh PREFIX SETUP.exe DRIVER.exe MAIN_DICTIONARY
set -euo pipefail
prefix=$1 setup=$2 driver=$3 main_dictionary=$4
windows=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

rm -rf "$prefix" "$prefix.home"
"$windows/prepare-wine.sh" "$prefix"
# Each program under Wine, and then the end of Wine's own processes, so
# that the next program never meets a Wine server on its way out.
in_wine() {
  local status=0
  "$windows/wine-run.sh" "$prefix" "$@" || status=$?
  WINEPREFIX=$prefix wineserver --wait
  return "$status"
}
# A path under drive C:, as the prefix holds it.
unix_path() { local path=${1//\\//}; printf '%s/drive_c%s' "$prefix" "${path#C:}"; }
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lexavia'
# The value named $1 of the uninstall entry that the file entry holds.
registry_value() { sed -n "s/^ *$1 *REG_[A-Z_]* *//p" "$work/entry"; }

echo "A silent installation into the default folder"
in_wine "$setup" /S
in_wine reg query "$uninstall_key" | tr -d '\r' > "$work/entry" || fail "no uninstall entry"
# The driver checks that this is the default folder, under %LOCALAPPDATA%.
installation_windows=$(registry_value InstallLocation)
installation=$(unix_path "$installation_windows")
for file in Lexavia.exe lexavia-corpus.exe corpus/estrangeiras.txt corpus/sufixos.txt \
  segmentador/frasor.exe uninstall.exe; do
  [ -f "$installation/$file" ] || fail "the installation lacks $file"
done
cmp "$main_dictionary" "$installation/dicionarios/dicionario_principal.txt" ||
  fail "the installed main dictionary is not the shipped one"
user_dictionary=$installation/dicionarios/dicionario_usuario.txt
if [ ! -f "$user_dictionary" ] || [ -s "$user_dictionary" ]; then
  fail "the installation lacks an empty user dictionary"
fi
[ "$(registry_value DisplayName)" = Lexavia ] || fail "no uninstall entry named Lexavia"
for value in DisplayVersion Publisher DisplayIcon EstimatedSize UninstallString NoModify NoRepair; do
  [ -n "$(registry_value "$value")" ] || fail "the uninstall entry lacks $value"
done

echo "The Start-menu shortcut, and a run of Lexavia started as it starts it"
mkdir "$work/textos"
input="$work/textos/noticia.txt"
printf 'A redação publicou ontem uma reportagem sobre a fotossintetização das algas.\n' > "$input"
input_windows="Z:${input//\//\\}"
LEXAVIA_INPUT=$input_windows "$windows/ui/with-display.sh" "$prefix" "$driver"
for report in txt html; do
  [ -s "$input"_candidatos-neologismos.$report ] || fail "the run wrote no $report report"
done
grep -q '^fotossintetização' <(iconv -f WINDOWS-1252 -t UTF-8 "$user_dictionary") ||
  fail "the run stored no word in the user dictionary"
cp "$user_dictionary" "$work/stored"

echo "A silent installation over it, into the folder named with /D="
in_wine "$setup" /S "/D=$installation_windows"
cmp "$work/stored" "$user_dictionary" || fail "the installation over it changed the user dictionary"
[ -f "$installation/Lexavia.exe" ] || fail "the installation over it lacks Lexavia.exe"

echo "The silent uninstallation the entry names"
quiet_uninstall=$(registry_value QuietUninstallString)
uninstaller=$(sed -n 's/^"\([^"]*\)" \/S$/\1/p' <<< "$quiet_uninstall")
[ -n "$uninstaller" ] || fail "QuietUninstallString is not a quoted program with /S: $quiet_uninstall"
in_wine "$uninstaller" /S
cmp "$work/stored" "$user_dictionary" || fail "the uninstaller changed the user dictionary"
left=$(cd "$installation" && find . | sort | tr '\n' ' ')
[ "$left" = ". ./dicionarios ./dicionarios/dicionario_usuario.txt " ] ||
  fail "the uninstaller left more than the user dictionary: $left"
[ -z "$(find "$prefix/drive_c/users" -iname 'Lexavia.lnk')" ] || fail "a shortcut is left"
if in_wine reg query "$uninstall_key" > /dev/null 2>&1; then
  fail "the uninstall entry is left"
fi
echo "The installer installs, keeps the user dictionary and uninstalls"
