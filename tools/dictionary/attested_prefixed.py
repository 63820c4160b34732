#!/usr/bin/env python3
"""Keep the prefixed paradigms that an independent word list attests.

Input: one paradigm a line (all forms of one prefixed lemma, blank-separated)
and word lists made apart from the Brazilian lexicon's prefix rules. A
paradigm is kept whole when any of its forms is in one of the lists: then the
prefixed word is in use ("desenvolver", "prefeito", "agosto"), and all of its
forms should pass. The others are words the rules could make but nobody
lists, which is where the prefixed coinages of a text live.
"""

import argparse


def read_words(path):
    with open(path, encoding="utf-8") as f:
        return {line.strip() for line in f if line.strip()}


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--paradigms", required=True)
    ap.add_argument("--attested-by", nargs="+", required=True, metavar="LIST")
    ap.add_argument("--out", required=True)
    args = ap.parse_args()

    known = set()
    for path in args.attested_by:
        known |= read_words(path)

    kept = 0
    with open(args.paradigms, encoding="utf-8") as src, \
         open(args.out, "w", encoding="utf-8") as out:
        for line in src:
            forms = line.split()
            if any(form in known for form in forms):
                out.write("".join(form + "\n" for form in forms))
                kept += 1
    print(f"  kept {kept} attested prefixed lemmas")


if __name__ == "__main__":
    main()
