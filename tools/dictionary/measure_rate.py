#!/usr/bin/env python3
"""Measure how much of a text the dictionary leaves flagged.

    measure_rate.py DICT [TEXT ...]

Prints the share of word tokens that would be reported as candidates (their
folded form is not in the dictionary) and the most flagged words, to tune
the dictionary's recipe. The rules are the program's: texts are read as
UTF-8 and converted to cp1252 with "?" for characters it lacks, words are
maximal runs of word characters, and only A-Z fold to a-z.
"""

import argparse
import collections
import glob
import os
import sys

from wordchars import WORD_RUN, fold

# The shared corpora lie beside the repository, in ../shared.
REPOSITORY = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DEFAULT_TEXTS = os.path.join(REPOSITORY, "..", "shared", "corpora", "ud-gsd", "headline", "raw",
                             "*.txt")


def load_dictionary(path):
    with open(path, "rb") as f:
        return {fold(line) for line in f.read().split(b"\r\n") if line}


def count_flagged(texts, known):
    tokens, flagged = 0, collections.Counter()
    for path in texts:
        with open(path, encoding="utf-8") as f:
            data = f.read().encode("cp1252", errors="replace")
        for m in WORD_RUN.finditer(data):
            tokens += 1
            word = fold(m.group())
            if word not in known:
                flagged[word] += 1
    return tokens, flagged


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("dictionary")
    ap.add_argument("texts", nargs="*", help=f"UTF-8 texts (default {DEFAULT_TEXTS})")
    ap.add_argument("--top", type=int, default=50)
    args = ap.parse_args()

    texts = sorted(args.texts or glob.glob(DEFAULT_TEXTS))
    if not texts:
        sys.exit("no texts to measure")
    tokens, flagged = count_flagged(texts, load_dictionary(args.dictionary))
    if tokens == 0:
        sys.exit("the texts hold no words")
    total = sum(flagged.values())
    print(f"{total} of {tokens} word tokens flagged: {100.0 * total / tokens:.2f}% "
          f"({len(flagged)} distinct words, {len(texts)} texts)")
    for word, n in sorted(flagged.items(), key=lambda kv: (-kv[1], kv[0]))[:args.top]:
        print(f"{n:6d}  {word.decode('cp1252')}")


if __name__ == "__main__":
    main()
