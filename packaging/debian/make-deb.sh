#!/usr/bin/env bash
# Makes the Debian package OUTPUT from the installed tree STAGE (as
# `cmake --install` lays it out under /usr): the control file with the
# dependencies that the binaries need, computed by dpkg-shlibdeps, the
# md5sums, and the permissions Debian expects.
#
#   make-deb.sh STAGE VERSION OUTPUT [COMPRESSION]     (COMPRESSION: xz by default)
set -euo pipefail
stage=$(realpath "$1") version=$2 output=$(realpath -m "$3") compression=${4:-xz}

find "$stage" -type d -exec chmod 0755 {} +
find "$stage" -type f -exec chmod 0644 {} +
chmod 0755 "$stage/usr/bin/lexavia" "$stage/usr/bin/lexavia-corpus" "$stage/usr/lib/lexavia/Lexavia" \
  "$stage/usr/lib/lexavia/segmentador/frasor.exe"

# dpkg-shlibdeps reads the source's control file; a minimal one serves.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/debian"
printf 'Source: lexavia\n\nPackage: lexavia\nArchitecture: amd64\n' > "$scratch/debian/control"
depends=$(cd "$scratch" && dpkg-shlibdeps -O -e "$stage/usr/lib/lexavia/Lexavia" \
  -e "$stage/usr/lib/lexavia/segmentador/frasor.exe" -e "$stage/usr/bin/lexavia-corpus" | sed -n 's/^shlibs:Depends=//p')

mkdir -p "$stage/DEBIAN"
cat > "$stage/DEBIAN/control" <<CONTROL
Package: lexavia
Version: $version
Architecture: amd64
Maintainer: Lexavia maintainers <lexavia@lexavia.example>
Installed-Size: $(du -sk --exclude=DEBIAN "$stage" | cut -f1)
Depends: $depends
Section: text
Priority: optional
Description: finds candidate neologisms in Portuguese texts
 Lexavia reports the words of a Portuguese text that a large exclusion
 dictionary (general lexicons of Portuguese and a gazetteer of names) does
 not hold, each with a hint whether it may be a proper name and the
 sentence it stands in, as a semicolon-separated text file and an HTML
 table beside the text. New candidates can be stored in a user dictionary
 so that later runs leave them out.
 .
 lexavia-corpus does the same for a whole corpus, one row per word with its
 class, frequency, documents and first attestation, and a page to review them.
CONTROL
(cd "$stage" && find usr -type f -printf '%P\n' | sort | sed 's|^|usr/|' |
  xargs -d '\n' md5sum) > "$stage/DEBIAN/md5sums"
chmod 0644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

dpkg-deb --root-owner-group -Z"$compression" --build "$stage" "$output"
