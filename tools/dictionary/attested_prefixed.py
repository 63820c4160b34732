#!/usr/bin/env python3
"""Keep the prefixed paradigms that an independent word list attests.

Input: one paradigm a line (all forms of one prefixed lemma, blank-separated)
and word lists made apart from the Brazilian lexicon's prefix rules. A
paradigm is kept whole when any of its forms is in one of the lists: then the
prefixed word is in use ("desenvolver", "prefeito", "agosto"), and all of its
forms should pass. The others are words the rules could make but nobody
lists, which is where the prefixed coinages of a text live.

Lists drawn from running text (--attested-any-case) hold words as they were
written, capitalised at a sentence's start or in a heading: they attest in
any case. The lexicons' lists attest only as written, since their capitals
are names ("Recife" does not attest a word "recife" made by a prefix).

A list may hold the word as it was spelt before the 1990 agreement, with a
hyphen after the prefix ("auto-imune", "anti-social"): that attests the
joined spelling of today ("autoimune", "antissocial") as well.
"""

import argparse


def read_words(path, lower=False):
    with open(path, encoding="utf-8") as f:
        return {(line.strip().lower() if lower else line.strip()) for line in f if line.strip()}


def prefixes_of(aff_lines):
    """The prefixes a hunspell affix file adds, without a hyphen: "re",
    "des", "anti"..."""
    found = set()
    for line in aff_lines:
        fields = line.split()
        if len(fields) >= 5 and fields[0] == "PFX":
            added = fields[3].split("/", 1)[0]
            if added != "0" and "-" not in added and len(added) >= 2:
                found.add(added)
    return found


def joined_spellings(word, prefixes):
    """Today's spellings of a word written with a hyphen after its prefix:
    joined, and with the r or s after a vowel doubled ("anti-social":
    "antissocial")."""
    prefix, _, rest = word.partition("-")
    if not rest or prefix not in prefixes:
        return []
    joined = [prefix + rest]
    if rest[0] in "rs" and prefix[-1] in "aeiou":
        joined.append(prefix + rest[0] + rest)
    return joined


def with_joined_spellings(words, prefixes):
    return words | {j for w in words if "-" in w for j in joined_spellings(w, prefixes)}


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--paradigms", required=True)
    ap.add_argument("--attested-by", nargs="+", required=True, metavar="LIST")
    ap.add_argument("--attested-any-case", nargs="+", default=[], metavar="LIST")
    ap.add_argument("--aff", required=True, help="the affix file that names the prefixes")
    ap.add_argument("--out", required=True)
    args = ap.parse_args()

    known, known_any_case = set(), set()
    for path in args.attested_by:
        known |= read_words(path)
    for path in args.attested_any_case:
        known_any_case |= read_words(path, lower=True)
    with open(args.aff, encoding="utf-8") as f:
        prefixes = prefixes_of(f.read().splitlines())
    known = with_joined_spellings(known, prefixes)
    known_any_case = with_joined_spellings(known_any_case, prefixes)

    kept = 0
    with open(args.paradigms, encoding="utf-8") as src, \
         open(args.out, "w", encoding="utf-8") as out:
        for line in src:
            forms = line.split()
            if any(form in known or form.lower() in known_any_case for form in forms):
                out.write("".join(form + "\n" for form in forms))
                kept += 1
    print(f"  kept {kept} attested prefixed lemmas")


if __name__ == "__main__":
    main()
