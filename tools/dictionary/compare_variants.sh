#!/usr/bin/env bash
# Builds variants of the main dictionary from one build's word lists and
# prints a table of them (measure_rate.py --table): what each source
# contributes, measured on the shared corpora and the neologism list.
#
#   tools/dictionary/build-dictionary.sh --work WORK_DIR OUT_DIR/all/dicionario_principal.txt
#   tools/dictionary/compare_variants.sh WORK_DIR OUT_DIR [DICT ...]
#
# OUT_DIR gets one folder per variant, named after it; DICT... are more
# dictionaries to put in the table (an older build's, say), each named by
# its folder. The variants: every source; every source but one of those
# added to the recipe's first sources; the first sources alone; and those
# with hunspell-pt-br's suffix expansion added, or in place of aspell-pt-br's.
set -euo pipefail

if [[ $# -lt 2 ]]; then
  echo "usage: $0 WORK_DIR OUT_DIR [DICT ...]" >&2
  exit 2
fi
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(realpath "$1")"
out="$(realpath -m "$2")"
shift 2
PY=/usr/bin/python3
# The sources that the recipe's first version did not have.
ADDED=(pre-agreement-derived hunspell-pt-br-compounds hunspell-pt-br-abbreviations extra-words person-names english-names)

[[ -f $work/lists.tsv ]] || { echo "no $work/lists.tsv: run build-dictionary.sh --work first" >&2; exit 1; }
mkdir -p "$out"

echo "[variants] expanding hunspell-pt-br with its suffix rules (unmunch)" >&2
$PY "$here/expand_hunspell.py" --aff /usr/share/hunspell/pt_BR.aff --dic /usr/share/hunspell/pt_BR.dic \
  --current "$out/pt_BR.txt" --pre-agreement "$out/pt_BR-preao90.txt" --workdir "$out" >&2
manifest="$out/lists.tsv"
{ cat "$work/lists.tsv"; printf 'hunspell-pt-br-forms\tcapital-first\t%s\n' "$out/pt_BR.txt"; } >"$manifest"

variant() {  # NAME SOURCE_LEFT_OUT...
  local name="$1"
  shift
  echo "[variants] $name" >&2
  mkdir -p "$out/$name"
  $PY "$here/assemble.py" --manifest "$manifest" --leave-out "$@" \
    --out "$out/$name/dicionario_principal.txt" >&2
}

variant all hunspell-pt-br-forms
for source in "${ADDED[@]}"; do
  variant "without-$source" hunspell-pt-br-forms "$source"
done
variant first-sources hunspell-pt-br-forms "${ADDED[@]}"
variant first-sources+hunspell-pt-br-forms "${ADDED[@]}"
variant hunspell-pt-br-forms-for-aspell-pt-br aspell-pt-br aspell-pt-br-prefixed "${ADDED[@]}"

dictionaries=("$@" "$out/first-sources" "$out/first-sources+hunspell-pt-br-forms"
  "$out/hunspell-pt-br-forms-for-aspell-pt-br")
for source in "${ADDED[@]}"; do dictionaries+=("$out/without-$source"); done
dictionaries+=("$out/all")
paths=()
for d in "${dictionaries[@]}"; do
  [[ -d $d ]] && paths+=("$d/dicionario_principal.txt") || paths+=("$d")
done
$PY "$here/measure_rate.py" --table "${paths[@]}"
