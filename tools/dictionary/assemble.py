#!/usr/bin/env python3
"""Merge the word lists into the dictionary file the program loads.

The table folds only A-Z to a-z, so an accented capital never matches its
small letter: "Água" does not find "água". Each entry therefore also gets a
variant with an accented capital first letter, and the entries of the
--all-caps lists (the hand-made word lists and the names) also get their
all-capitals form ("PÚBLICO"). Variants that the folding already covers
("Casa" for "casa") are not written.

Output: cp1252, one entry a line, CR LF, sorted by bytes, no duplicates.
Entries the scanner can never produce (a blank, a digit, an apostrophe) and
entries with characters cp1252 lacks are dropped.
"""

import argparse

from wordchars import ACCENTED_LOWER, UPPER_OF, encode, is_word

# A dash typed as hyphens is a word for the scanner, and not a new one.
DASHES = ["-", "--", "---"]


def read_words(path):
    with open(path, encoding="utf-8") as f:
        for line in f:
            word = line.strip()
            if word:
                yield word


def capital_first(word):
    if word[0] in ACCENTED_LOWER:
        return UPPER_OF[word[0]] + word[1:]
    return None


def all_caps(word):
    if any(c in ACCENTED_LOWER for c in word):
        return "".join(UPPER_OF.get(c, c) for c in word)
    return None


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--lists", nargs="*", default=[], metavar="LIST",
                    help="word lists that get the capital-first variant")
    ap.add_argument("--all-caps", nargs="*", default=[], metavar="LIST",
                    help="word lists that also get the all-capitals variant")
    ap.add_argument("--out", required=True)
    args = ap.parse_args()

    entries = set()
    skipped = 0

    def add(word):
        nonlocal skipped
        data = encode(word)
        if data is not None and is_word(data):
            entries.add(data)
        else:
            skipped += 1

    for word in DASHES:
        add(word)
    for paths, caps in ((args.lists, False), (args.all_caps, True)):
        for path in paths:
            for word in read_words(path):
                add(word)
                for variant in (capital_first(word), all_caps(word) if caps else None):
                    if variant is not None:
                        add(variant)

    with open(args.out, "wb") as out:
        out.write(b"".join(e + b"\r\n" for e in sorted(entries)))
    print(f"  {len(entries)} entries ({skipped} forms dropped: not a scanner word or not cp1252)")


if __name__ == "__main__":
    main()
