#!/usr/bin/env python3
"""Check that the dictionary still leaves recent neologisms reported.

    neologism_recall.py DICT [--list neologisms.tsv] [--min-percent 80]

neologisms.tsv lists neologisms of recent Portuguese (2010s and 2020s
press, social media, technology, politics, economy) that a user of the
program wants to see reported, each with its kind of formation. A word is
reported when the dictionary does not hold it under the program's rules:
the word in cp1252, only A-Z folded. Prints the share still reported and
the words the dictionary hides; exits 1 when the share is below the minimum.
"""

import argparse
import os
import sys

from wordchars import encode, fold, is_word

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_LIST = os.path.join(HERE, "neologisms.tsv")


def read_neologisms(path):
    """(word, kind) for each row of the list after its header."""
    with open(path, encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f if line.strip()]
    if not rows or rows[0] != ["word", "kind"]:
        raise SystemExit(f"{path}: the first line must be the header word<TAB>kind")
    for number, row in enumerate(rows[1:], 2):
        data = encode(row[0]) if len(row) == 2 else None
        if data is None or not is_word(data):
            raise SystemExit(f"{path}:{number}: not a word the scanner reads: {row!r}")
    return [tuple(row) for row in rows[1:]]


def hidden_words(neologisms, known):
    """The words of the list that the folded dictionary entries hold."""
    return [word for word, _ in neologisms if fold(encode(word)) in known]


def recall_percent(neologisms, known):
    return 100.0 * (len(neologisms) - len(hidden_words(neologisms, known))) / len(neologisms)


def entries_among(dictionary, neologisms):
    """The folded entries of the dictionary file that are words of the list,
    read line by line: the check need not hold the whole table."""
    wanted = {fold(encode(word)) for word, _ in neologisms}
    found = set()
    with open(dictionary, "rb") as f:
        for line in f:
            entry = fold(line.rstrip(b"\r\n"))
            if entry in wanted:
                found.add(entry)
    return found


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("dictionary")
    ap.add_argument("--list", default=DEFAULT_LIST)
    ap.add_argument("--min-percent", type=float, default=80.0)
    args = ap.parse_args()

    neologisms = read_neologisms(args.list)
    known = entries_among(args.dictionary, neologisms)
    hidden = hidden_words(neologisms, known)
    percent = recall_percent(neologisms, known)
    print(f"{len(neologisms) - len(hidden)} of {len(neologisms)} neologisms reported: "
          f"{percent:.1f}% (at least {args.min_percent:g}% required)")
    if hidden:
        print("hidden: " + ", ".join(hidden))
    return 0 if percent >= args.min_percent else 1


if __name__ == "__main__":
    sys.exit(main())
