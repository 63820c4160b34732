#!/usr/bin/env bash
# Installs the Debian package DEB and uses it as a user would: the launcher
# prepares the user's application folder and starts Lexavia there, which
# ends cleanly when asked; a detection runs on the installed dictionary and
# segmenter; lexavia-corpus runs on a small corpus with the installed
# dictionary and word lists, reading the user dictionary only; and a word of
# the user dictionary outlives a reinstall, an upgrade, a fresh start and the
# package's purge. Removes the package at the end, leaving the machine as it
# was. Run as root; lintian must report no error.
#
#   package_test.sh DEB REFERENCE_RUNS
# REFERENCE_RUNS: tests/windows/ui/linux/reference_runs of the Linux build,
# which runs detections in an application folder as the window does.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../support/end_lexavia.sh"
deb=$(realpath "$1") reference_runs=$(realpath "$2")

fail() { echo "package test: $*" >&2; exit 1; }
installed() { dpkg-query -W -f='${Status}' lexavia 2>/dev/null | grep -q 'install ok installed'; }
installed && fail "lexavia is installed already: this test would remove it"

work=$(mktemp -d)
cleanup() {
  installed && apt-get purge -y -q lexavia > /dev/null
  rm -rf "$work"
}
trap cleanup EXIT

lintian --fail-on error "$deb" || fail "lintian reports errors"
apt-get install -y -q "$deb" > /dev/null

# What the menu and software centres read, and the credit of every source.
desktop-file-validate /usr/share/applications/lexavia.desktop || fail "bad desktop entry"
appstreamcli validate --no-net /usr/share/metainfo/*.metainfo.xml > /dev/null ||
  fail "bad AppStream metadata"
tail -n +2 /usr/share/doc/lexavia/sources.tsv | cut -f1 | while read -r source; do
  grep -q "^$source " /usr/share/doc/lexavia/copyright || fail "copyright does not name $source"
done

export HOME=$work/home
unset XDG_DATA_HOME
mkdir -p "$HOME"
app=$HOME/.local/share/lexavia
user=$app/dicionarios/dicionario_usuario.txt

# Starts the launcher without a display and ends the program as a session would.
start_and_end() {
  QT_QPA_PLATFORM=offscreen lexavia &
  local pid=$!
  end_lexavia "$pid"
  [ "$lexavia_status" -eq 0 ] || fail "Lexavia exited with status $lexavia_status"
}

start_and_end
[ "$(readlink "$app/dicionarios/dicionario_principal.txt")" = \
  /usr/share/lexavia/dicionarios/dicionario_principal.txt ] || fail "main dictionary not linked"
[ "$(readlink "$app/segmentador/frasor.exe")" = /usr/lib/lexavia/segmentador/frasor.exe ] ||
  fail "segmenter not linked"
[ -f "$user" ] && [ ! -s "$user" ] || fail "no empty user dictionary"

# A detection on the installed dictionary and segmenter, storing new words.
printf 'O xablauzinho chegou ontem.\n' > "$work/texto.txt"
"$reference_runs" "$app" "$work/texto.txt" 1 0 > /dev/null
grep -q '^xablauzinho; N' "$work/texto.txt_candidatos-neologismos.txt" || fail "candidate not reported"
[ "$(cat "$user")" = $'xablauzinho\r' ] || fail "candidate not stored"

# The user's words outlive everything the package does.
printf 'palavrinha\r\n' >> "$user"
expected=$(cat "$user")
expect_words() { [ "$(cat "$user")" = "$expected" ] || fail "user dictionary changed $1"; }

# lexavia-corpus from /usr/bin: the installed dictionary, word lists and
# manual page; the user dictionary is read (its word is no candidate) and
# left as it was.
[ -f /usr/share/man/man1/lexavia-corpus.1.gz ] || fail "no manual page of lexavia-corpus"
mkdir -p "$work/corpus/2024" "$work/resultados"
printf 'O xablauzinho chegou ontem.\n' > "$work/corpus/2024/noticia-2024-05-17.txt"
printf 'A palavrinha e o gugulento sa\xedram.\n' > "$work/corpus/outra.txt"
(cd "$work" && lexavia-corpus --saida resultados corpus > /dev/null 2>&1) ||
  fail "lexavia-corpus did not end with status 0"
[ -s "$work/resultados/candidatos.html" ] || fail "lexavia-corpus wrote no candidatos.html"
cut -f1 "$work/resultados/candidatos.tsv" | grep -qx gugulento ||
  fail "lexavia-corpus did not report gugulento"
cut -f1 "$work/resultados/candidatos.tsv" | grep -qx -e xablauzinho -e palavrinha &&
  fail "lexavia-corpus reported a word of the user dictionary"
expect_words "by lexavia-corpus"
apt-get install -y -q --reinstall "$deb" > /dev/null
expect_words "by a reinstall"
version=$(dpkg-deb -f "$deb" Version)
dpkg-deb -R "$deb" "$work/upgrade"
sed -i "s/^Version: .*/Version: $version+1/" "$work/upgrade/DEBIAN/control"
dpkg-deb --root-owner-group -Zgzip -z1 -b "$work/upgrade" "$work/upgrade.deb" > /dev/null
apt-get install -y -q "$work/upgrade.deb" > /dev/null
[ "$(dpkg-query -W -f='${Version}' lexavia)" = "$version+1" ] || fail "upgrade not installed"
expect_words "by an upgrade"
start_and_end
expect_words "by the launcher"
apt-get purge -y -q lexavia > /dev/null
installed && fail "lexavia still installed after its purge"
expect_words "by the purge"
echo "package test: installed, started, ran a detection and a corpus run, reinstalled, upgraded and purged; the user's words stayed"
