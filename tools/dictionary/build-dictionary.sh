#!/usr/bin/env bash
# Builds the main exclusion dictionary (dicionario_principal.txt):
#
#   tools/dictionary/build-dictionary.sh [--work DIR] OUTPUT_FILE
#
# cp1252, one entry a line, CR LF, sorted by bytes, no duplicates. The
# sources are listed in sources.tsv (Debian and npm packages); README.md
# tells the recipe. Nothing is done when OUTPUT_FILE exists and
# OUTPUT_FILE.stamp holds the hash of the current inputs.
#
# With --work DIR the build always runs and keeps its word lists in DIR,
# with DIR/lists.tsv naming them by source, for compare_variants.sh.
set -euo pipefail

usage() { echo "usage: $0 [--work DIR] OUTPUT_FILE" >&2; exit 2; }
keep=""
if [[ ${1:-} == --work ]]; then
  [[ $# -eq 3 ]] || usage
  keep="$(realpath -m "$2")"
  shift 2
fi
[[ $# -eq 1 ]] || usage

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
    for f in "$here"/build-dictionary.sh "$here"/*.py "$here"/*.js "$here"/extra_words.tsv \
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
if [[ -z $keep && -f $out && -f $stamp && "$(cat "$stamp")" == "$hash" ]]; then
  step "up to date: $out"
  exit 0
fi

start=$SECONDS
partial="$out.partial.$$"
if [[ -n $keep ]]; then
  mkdir -p "$keep"
  work="$keep"
  trap 'rm -f "$partial"' EXIT
else
  work="$(mktemp -d "${TMPDIR:-/tmp}/lexavia-dictionary.XXXXXX")"
  trap 'rm -rf "$work" "$partial"' EXIT
fi
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

step "listing the words of tesseract-ocr-por and mythes-pt-br, which attest prefixed words"
traineddata="$(compgen -G '/usr/share/tesseract-ocr/*/tessdata/por.traineddata' | head -n 1 || true)"
[[ -n $traineddata ]] || die "tesseract-ocr-por's por.traineddata not found"
$PY attesting_words.py tesseract "$traineddata" "$work" "$work/tesseract-words.txt"
$PY attesting_words.py thesaurus /usr/share/mythes/th_pt_BR.dat "$work/thesaurus-words.txt"

step "keeping the prefixed aspell-pt-br words that a word list attests"
$PY attested_prefixed.py --paradigms "$work/aspell-prefixed.txt" \
  --attested-by /usr/share/dict/brazilian /usr/share/dict/portuguese "$work/pt_PT.txt" \
  "$work/thesaurus-words.txt" --attested-any-case "$work/tesseract-words.txt" \
  --aff /usr/share/hunspell/pt_BR.aff --out "$work/aspell-prefixed-attested.txt"

step "spelling prefixed words and compounds as before the 1990 agreement"
$PY pre_agreement_derived.py --current "$work/pt_PT.txt" --pre-agreement "$work/pt_PT-preao90.txt" \
  --aff /usr/share/hunspell/pt_BR.aff \
  --words "$work/aspell-forms.txt" "$work/aspell-prefixed-attested.txt" "$work/pt_PT.txt" \
  --out "$work/pre-agreement-derived.txt"

step "spelling the hunspell-pt-br compounds with a connective as before the agreements"
$PY hyphenated_compounds.py --dic /usr/share/hunspell/pt_BR.dic \
  --known "$work/aspell-forms.txt" "$work/pt_PT.txt" --out "$work/hyphenated-compounds.txt"

step "taking the abbreviations of hunspell-pt-br and the hand-made list"
$PY abbreviations.py --dic /usr/share/hunspell/pt_BR.dic --english /usr/share/dict/american-english \
  --out "$work/abbreviations.txt"
tail -n +2 extra_words.tsv | cut -f1 >"$work/extra-words.txt"

step "gathering names (iso-codes, npm name lists, English word lists)"
node export_npm_names.js "$MIN_POPULATION" "${LUSOPHONE[@]}" >"$work/npm-names.tsv"
awk -F'\t' '$1 !~ /^@zxcvbn-ts\//' "$work/npm-names.tsv" >"$work/npm-places.tsv"
awk -F'\t' '$1 ~ /^@zxcvbn-ts\//' "$work/npm-names.tsv" >"$work/npm-people.tsv"
$PY gazetteer.py --iso-codes --lusophone "${LUSOPHONE[@]}" --npm-names "$work/npm-places.tsv" \
  --english-names /usr/share/dict/american-english --english /usr/share/dict/american-english \
  --out "$work/names.txt"
$PY gazetteer.py --npm-names "$work/npm-people.tsv" --english /usr/share/dict/american-english \
  --out "$work/person-names.txt"
$PY gazetteer.py --english-names /usr/share/dict/american-english-insane \
  --english /usr/share/dict/american-english --out "$work/english-names.txt"

step "merging, adding case variants, writing cp1252"
# Source, variants, list: the lexicons get the capital-first variant; the
# hand-made lists and the names also get the all-capitals one.
printf '%s\t%s\t%s\n' \
  aspell-pt-br capital-first "$work/aspell-forms.txt" \
  aspell-pt-br-prefixed capital-first "$work/aspell-prefixed-attested.txt" \
  hunspell-pt-pt capital-first "$work/pt_PT.txt" \
  hunspell-pt-pt-preao90 all-caps "$work/pt_PT-preao90.txt" \
  pre-agreement-derived all-caps "$work/pre-agreement-derived.txt" \
  hunspell-pt-br-compounds all-caps "$work/hyphenated-compounds.txt" \
  hunspell-pt-br-abbreviations capital-first "$work/abbreviations.txt" \
  extra-words all-caps "$work/extra-words.txt" \
  wbrazilian all-caps /usr/share/dict/brazilian \
  wportuguese all-caps /usr/share/dict/portuguese \
  names all-caps "$work/names.txt" \
  person-names all-caps "$work/person-names.txt" \
  english-names all-caps "$work/english-names.txt" \
  >"$work/lists.tsv"
$PY assemble.py --manifest "$work/lists.tsv" --out "$partial"

mv -f "$partial" "$out"
printf '%s\n' "$hash" >"$stamp.partial.$$" && mv -f "$stamp.partial.$$" "$stamp"
entries="$(wc -l <"$out")"
bytes="$(stat -c %s "$out")"
step "done: $out: $entries entries, $bytes bytes ($((bytes / 1048576)) MiB) in $((SECONDS - start)) s"
