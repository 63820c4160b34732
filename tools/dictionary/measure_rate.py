#!/usr/bin/env python3
"""Measure how much of a text the dictionary leaves flagged.

    measure_rate.py DICT [TEXT ...]
    measure_rate.py --table DICT [DICT ...]

The first form prints the share of word tokens that would be reported as
candidates (their folded form is not in the dictionary), the share of those
that begin in lower case, and the most flagged words, to tune the
dictionary's recipe. The second prints one row per dictionary: its entries
and size, both shares on the GSD corpus, on Bosque and on its Brazilian
(CF) and European (CP) halves, and the share of the neologism list it leaves
reported.

The rules are the program's: texts are read as UTF-8 and converted to
cp1252 with "?" for characters it lacks, words are maximal runs of word
characters, and only A-Z fold to a-z.
"""

import argparse
import collections
import glob
import os
import sys

from neologism_recall import DEFAULT_LIST, read_neologisms, recall_percent
from wordchars import ACCENTED_LOWER, fold, scanner_words

# The shared corpora lie beside the repository, in ../shared.
REPOSITORY = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
CORPORA = os.path.join(REPOSITORY, "..", "shared", "corpora")
DEFAULT_TEXTS = os.path.join(CORPORA, "ud-gsd", "headline", "raw", "*.txt")
# The table's columns: name and texts of each corpus.
TABLE_CORPORA = [
    ("GSD", os.path.join(CORPORA, "ud-gsd", "headline", "raw", "*.txt")),
    ("Bosque", os.path.join(CORPORA, "ud-bosque", "headline", "raw", "*.txt")),
    ("CF", os.path.join(CORPORA, "ud-bosque", "headline", "raw", "CF*.txt")),
    ("CP", os.path.join(CORPORA, "ud-bosque", "headline", "raw", "CP*.txt")),
]

LOWER_CASE_BYTES = frozenset(range(ord("a"), ord("z") + 1)) | frozenset(ACCENTED_LOWER.encode("cp1252"))


def load_dictionary(path):
    with open(path, "rb") as f:
        return {fold(line) for line in f.read().split(b"\r\n") if line}


def read_tokens(texts):
    """The scanner's words of the texts, as cp1252 bytes."""
    tokens = []
    for path in texts:
        with open(path, encoding="utf-8") as f:
            data = f.read().encode("cp1252", errors="replace")
        tokens += scanner_words(data)
    return tokens


Flagged = collections.namedtuple("Flagged", "tokens flagged lower_case")


def count_flagged(tokens, known):
    """The number of tokens, the flagged ones by folded word, and how many
    flagged tokens begin in lower case."""
    flagged, lower_case = collections.Counter(), 0
    for token in tokens:
        word = fold(token)
        if word not in known:
            flagged[word] += 1
            lower_case += token[0] in LOWER_CASE_BYTES
    return Flagged(len(tokens), flagged, lower_case)


def percent(part, whole):
    return 100.0 * part / whole if whole else 0.0


def texts_of(pattern):
    texts = sorted(glob.glob(pattern))
    if not texts:
        sys.exit(f"no texts match {pattern}")
    return texts


def print_table(dictionaries, neologisms_path):
    neologisms = read_neologisms(neologisms_path)
    corpora = [(name, read_tokens(texts_of(pattern))) for name, pattern in TABLE_CORPORA]
    header = ["dictionary", "entries", "MB"]
    for name, _ in corpora:
        header += [f"{name} flagged %", f"{name} lower %"]
    header.append("recall %")
    print("| " + " | ".join(header) + " |")
    print("|" + "---|" * len(header))
    for path in dictionaries:
        known = load_dictionary(path)
        row = [os.path.basename(os.path.dirname(path)) or path, str(len(known)),
               f"{os.path.getsize(path) / 1e6:.1f}"]
        for _, tokens in corpora:
            counts = count_flagged(tokens, known)
            total = sum(counts.flagged.values())
            row += [f"{percent(total, counts.tokens):.2f}",
                    f"{percent(counts.lower_case, counts.tokens):.2f}"]
        row.append(f"{recall_percent(neologisms, known):.1f}")
        print("| " + " | ".join(row) + " |", flush=True)


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("paths", nargs="+", metavar="PATH",
                    help=f"the dictionary, then UTF-8 texts (default {DEFAULT_TEXTS}); "
                         "with --table, dictionaries")
    ap.add_argument("--top", type=int, default=50)
    ap.add_argument("--table", action="store_true",
                    help="one row per dictionary (named by its folder) on the shared corpora")
    ap.add_argument("--neologisms", default=DEFAULT_LIST)
    args = ap.parse_args()

    if args.table:
        print_table(args.paths, args.neologisms)
        return
    dictionary, texts = args.paths[0], sorted(args.paths[1:]) or texts_of(DEFAULT_TEXTS)
    counts = count_flagged(read_tokens(texts), load_dictionary(dictionary))
    if counts.tokens == 0:
        sys.exit("the texts hold no words")
    total = sum(counts.flagged.values())
    print(f"{total} of {counts.tokens} word tokens flagged: {percent(total, counts.tokens):.2f}%, "
          f"{counts.lower_case} beginning in lower case: "
          f"{percent(counts.lower_case, counts.tokens):.2f}% "
          f"({len(counts.flagged)} distinct words, {len(texts)} texts)")
    for word, n in sorted(counts.flagged.items(), key=lambda kv: (-kv[1], kv[0]))[:args.top]:
        print(f"{n:6d}  {word.decode('cp1252')}")


if __name__ == "__main__":
    main()
