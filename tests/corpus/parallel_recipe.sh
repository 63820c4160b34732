#!/bin/bash
# README's GNU parallel recipe on this machine's cores (jobs on ":", the
# local login): parts of a corpus scanned by parallel's jobs, their partial
# tables merged by "juntar", must give the candidatos.tsv of one run.
# Usage: parallel_recipe.sh LEXAVIA_CORPUS
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir dicionarios textos uma juntas partes
printf '%s\n' o a em chegou viu falamos de > dicionarios/dicionario_principal.txt
letters=(a b c d e f g)
for i in $(seq 10 39); do
  printf 'O Zorbax%s chegou em %d. A blogagem%s viu o Zorbax.\n\nFalamos de blogagens.\n' \
    "${letters[i % 7]}" "$i" "${letters[i % 5]}" > "textos/2024-05-$i.txt"
done
mv textos/2024-05-31.txt textos/sem-data-31.txt  # a day May lacks anyway

"$program" --dicionarios dicionarios --saida uma textos

# README's recipe: a sorted list of the documents, one partial table per job.
echo 2/: > maquinas  # two jobs on this machine
find "$PWD/textos" -name '*.txt' | LC_ALL=C sort > lista
parallel --sshloginfile maquinas -X -N 7 --return parte{0#}.parcial --cleanup \
  "$program" --dicionarios "$PWD/dicionarios" --saida "$PWD/partes" --parcial parte{0#}.parcial {} \
  < lista
"$program" --dicionarios dicionarios juntar parte*.parcial --saida juntas

parts=$(ls parte*.parcial | wc -l)
[ "$parts" -ge 4 ] || { echo "expected at least 4 partial tables, got $parts"; exit 1; }
cmp uma/candidatos.tsv juntas/candidatos.tsv
echo "parallel recipe: $parts parts merged into the table of one run"
