#!/usr/bin/env python3
"""Spell the lexicon's compounds with a connective as before the agreements.

The 1990 agreement dropped the hyphens of compounds held together by a
connective ("fim-de-semana" became "fim de semana", "dia-a-dia" "dia a
dia"). The Brazilian hunspell lexicon lists such compounds in their current
spelling, with blanks, which the scanner never sees as one word; the
spelling from before the agreements, which older texts and many writers
keep, is one word for the scanner. This step writes that spelling and its
plural ("fins-de-semana": the first element takes the plural), one word a
line (UTF-8).

Only entries with a Portuguese connective between their elements are
compounds of that kind; Latin phrases ("in loco") and names ("Porto Rico")
are not. The plural of the first element is the regular one that the word
lists confirm, so irregular plurals are only written where a list holds
them ("pão": "pães", not "pãos").
"""

import argparse

# The connectives of the compounds the agreement dehyphenated.
CONNECTIVES = {"a", "à", "ao", "com", "da", "das", "de", "do", "dos", "e", "em", "na", "no",
               "nos", "que", "sem", "vai"}


def multiword_entries(dic_lines):
    """The blank-separated entries of a hunspell .dic file, without flags."""
    for line in dic_lines[1:]:  # the first line holds the entry count
        word = line.split("/", 1)[0].split("\t", 1)[0].strip()
        if " " in word:
            yield word


def is_connected_compound(entry):
    words = entry.split(" ")
    return len(words) >= 3 and all(w for w in words) and \
        any(w in CONNECTIVES for w in words[1:-1]) and words[0] not in CONNECTIVES and \
        words[0][0].islower()


def regular_plurals(word):
    """The plural forms Portuguese spelling rules allow for word."""
    if word.endswith("ão"):
        return [word[:-2] + ending for ending in ("ões", "ãos", "ães")]
    if word.endswith("m"):
        return [word[:-1] + "ns"]
    if word.endswith(("r", "z")):
        return [word + "es"]
    if word.endswith("s"):
        return [word]
    if word.endswith(("al", "el", "ol", "ul")):
        return [word[:-1] + "is"]
    return [word + "s"]


def hyphenated_spellings(entry, known):
    """The entry spelt with hyphens, and that spelling's plural when the
    word lists know the plural of its first element."""
    words = entry.split(" ")
    yield "-".join(words)
    for plural in regular_plurals(words[0]):
        if plural != words[0] and plural in known:
            yield "-".join([plural] + words[1:])


def words_among(paths, wanted):
    """The words of wanted that the word lists hold."""
    found = set()
    for path in paths:
        with open(path, encoding="utf-8") as f:
            found |= {line.strip() for line in f} & wanted
    return found


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--dic", required=True, help="the hunspell .dic file")
    ap.add_argument("--known", nargs="+", required=True, metavar="LIST",
                    help="word lists that confirm the plurals")
    ap.add_argument("--out", required=True)
    args = ap.parse_args()

    with open(args.dic, encoding="utf-8-sig") as f:
        entries = [e for e in multiword_entries(f.read().splitlines())
                   if is_connected_compound(e)]
    plurals = {p for e in entries for p in regular_plurals(e.split(" ")[0])}
    known = words_among(args.known, plurals)
    words = sorted({w for e in entries for w in hyphenated_spellings(e, known)})
    with open(args.out, "w", encoding="utf-8") as out:
        out.write("".join(w + "\n" for w in words))
    print(f"  {len(words)} hyphenated spellings of {len(entries)} compounds")


if __name__ == "__main__":
    main()
