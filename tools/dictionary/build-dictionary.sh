#!/usr/bin/env bash
# Builds the main exclusion dictionary (dicionario_principal.txt):
#
#   tools/dictionary/build-dictionary.sh OUTPUT_FILE
#
# cp1252, one entry a line, CR LF, sorted by bytes, no duplicates. The
# sources are listed in sources.tsv (Debian and npm packages); README.md
# tells the recipe. Nothing is done when OUTPUT_FILE exists and
# OUTPUT_FILE.stamp holds the hash of the current inputs.
set -euo pipefail

if [[ $# -ne 1 ]]; then
  echo "usage: $0 OUTPUT_FILE" >&2
  exit 2
fi

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="$(realpath -m "$1")"
stamp="$out.stamp"
# Debian's interpreter, which the list installs (not whatever python3 the
# PATH finds first): the same inputs must give the same bytes.
PY=/usr/bin/python3
# Countries where Portuguese is an official language: all their places are
# names; elsewhere only towns of MIN_POPULATION people or more.
LUSOPHONE=(BR PT AO MZ CV GW ST TL MO GQ)
MIN_POPULATION=5000

step() { printf '[dictionary] %s\n' "$*"; }
die() { printf '[dictionary] error: %s\n' "$*" >&2; exit 1; }

sources="$here/sources.tsv"
[[ -f $sources ]] || die "missing $sources"
mapfile -t debian_pkgs < <(awk -F'\t' 'NR > 1 && $2 == "debian" { print $1 }' "$sources")
mapfile -t npm_pkgs < <(awk -F'\t' 'NR > 1 && $2 == "npm" { print $1 }' "$sources")
((${#debian_pkgs[@]} > 0)) || die "sources.tsv lists no Debian package"

# --- Debian packages: install only what is missing, so a build with all of
# them present does not touch apt at all.
missing=()
for pkg in "${debian_pkgs[@]}"; do
  status="$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)"
  [[ $status == "install ok installed" ]] || missing+=("$pkg")
done
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  missing+=(nodejs npm)
fi
if ((${#missing[@]} > 0)); then
  step "installing Debian packages: ${missing[*]}"
  ((EUID == 0)) || die "run as root, or install: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get -o DPkg::Lock::Timeout=900 update -qq
  apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The help window quotes sources.tsv, so say when it no longer tells the
# installed version (apt cannot pin an old version once Debian moves on).
installed_versions="$(dpkg-query -W -f='${Package} ${Version}\n' "${debian_pkgs[@]}")"
while IFS=$'\t' read -r pkg kind version _; do
  [[ $kind == debian ]] || continue
  have="$(awk -v p="$pkg" '$1 == p { print $2 }' <<<"$installed_versions")"
  [[ $have == "$version" ]] || step "warning: $pkg is $have here, sources.tsv says $version"
done < <(tail -n +2 "$sources")

# --- Skip the build when nothing it depends on changed.
inputs_hash() {
  {
    for f in "$here"/build-dictionary.sh "$here"/*.py "$here"/*.js \
             "$here"/sources.tsv "$here"/package.json "$here"/package-lock.json; do
      case "$(basename "$f")" in test_*) continue ;; esac
      printf '%s ' "$(basename "$f")"
      sha256sum <"$f"
    done
    printf '%s\n' "$installed_versions"
    node --version
  } | sha256sum | cut -d' ' -f1
}
hash="$(inputs_hash)"
if [[ -f $out && -f $stamp && "$(cat "$stamp")" == "$hash" ]]; then
  step "up to date: $out"
  exit 0
fi

start=$SECONDS
work="$(mktemp -d "${TMPDIR:-/tmp}/lexavia-dictionary.XXXXXX")"
partial="$out.partial.$$"
trap 'rm -rf "$work" "$partial"' EXIT
mkdir -p "$(dirname "$out")"

step "npm ci (pinned name lists)"
(cd "$here" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
# sources.tsv is what the help window quotes: it must name the versions
# that the lock file installs.
for pkg in "${npm_pkgs[@]}"; do
  want="$(awk -F'\t' -v p="$pkg" '$1 == p { print $3 }' "$sources")"
  have="$($PY -c 'import json, sys; print(json.load(open(sys.argv[1]))["version"])' \
          "$here/node_modules/$pkg/package.json")"
  [[ $have == "$want" ]] || die "$pkg $have is installed, sources.tsv says $want"
done

cd "$here"
step "expanding aspell-pt-br with its suffix rules"
$PY expand_aspell.py --forms "$work/aspell-forms.txt" --prefixed "$work/aspell-prefixed.txt"

step "expanding hunspell-pt-pt with its suffix rules (unmunch)"
$PY expand_hunspell.py --aff /usr/share/hunspell/pt_PT.aff --dic /usr/share/hunspell/pt_PT.dic \
  --current "$work/pt_PT.txt" --pre-agreement "$work/pt_PT-preao90.txt" --workdir "$work"

step "keeping the prefixed aspell-pt-br words that a word list attests"
$PY attested_prefixed.py --paradigms "$work/aspell-prefixed.txt" \
  --attested-by /usr/share/dict/brazilian /usr/share/dict/portuguese "$work/pt_PT.txt" \
  --out "$work/aspell-prefixed-attested.txt"

step "gathering names (iso-codes, npm name lists, wamerican)"
node export_npm_names.js "$MIN_POPULATION" "${LUSOPHONE[@]}" >"$work/npm-names.tsv"
$PY gazetteer.py --npm-names "$work/npm-names.tsv" --english /usr/share/dict/american-english \
  --lusophone "${LUSOPHONE[@]}" --out "$work/names.txt"

step "merging, adding case variants, writing cp1252"
$PY assemble.py \
  --lists "$work/aspell-forms.txt" "$work/aspell-prefixed-attested.txt" "$work/pt_PT.txt" \
  --all-caps "$work/pt_PT-preao90.txt" /usr/share/dict/brazilian /usr/share/dict/portuguese \
             "$work/names.txt" \
  --out "$partial"

mv -f "$partial" "$out"
printf '%s\n' "$hash" >"$stamp.partial.$$" && mv -f "$stamp.partial.$$" "$stamp"
entries="$(wc -l <"$out")"
bytes="$(stat -c %s "$out")"
step "done: $out: $entries entries, $bytes bytes ($((bytes / 1048576)) MiB) in $((SECONDS - start)) s"
