#!/usr/bin/env python3
"""Merge the word lists into the dictionary file the program loads.

    assemble.py --manifest LISTS.tsv [--leave-out SOURCE ...] --out FILE

LISTS.tsv names the lists, one a line: "source<TAB>variants<TAB>path".
--leave-out builds the dictionary without the lists of the named sources,
to measure what each contributes.

The table folds only A-Z to a-z, so an accented capital never matches its
small letter: "Água" does not find "água". Each entry therefore also gets a
variant with an accented capital first letter, and the entries of the lists
whose variants are "all-caps" (the hand-made word lists and the names) also
get their all-capitals form ("PÚBLICO"). Variants that the folding already
covers ("Casa" for "casa") are not written.

Output: cp1252, one entry a line, CR LF, sorted by bytes, no duplicates.
Entries the scanner can never produce (a blank, a digit, an apostrophe) and
entries with characters cp1252 lacks are dropped.
"""

import argparse

from wordchars import ACCENTED_LOWER, UPPER_OF, encode, is_word

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


# The variants column of the manifest: does a list get the all-capitals form?
VARIANTS = {"capital-first": False, "all-caps": True}


def read_manifest(path):
    """(source, all_caps, list path) for each line of the manifest."""
    lists = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 3 or fields[1] not in VARIANTS:
                raise SystemExit(f"{path}:{number}: expected source, "
                                 f"{' or '.join(VARIANTS)}, path")
            lists.append((fields[0], VARIANTS[fields[1]], fields[2]))
    return lists


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--manifest", required=True)
    ap.add_argument("--leave-out", nargs="*", default=[], metavar="SOURCE")
    ap.add_argument("--out", required=True)
    args = ap.parse_args()

    lists = read_manifest(args.manifest)
    unknown = set(args.leave_out) - {source for source, _, _ in lists}
    if unknown:
        raise SystemExit(f"no such source in {args.manifest}: {', '.join(sorted(unknown))}")

    entries = set()
    skipped = 0

    def add(word):
        nonlocal skipped
        data = encode(word)
        if data is not None and is_word(data):
            entries.add(data)
        else:
            skipped += 1

    for source, caps, path in lists:
        if source in args.leave_out:
            continue
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
