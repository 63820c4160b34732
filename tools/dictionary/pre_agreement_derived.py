#!/usr/bin/env python3
"""Spell prefixed words and hyphenated compounds as before the 1990 agreement.

The European lexicon gives the old spelling of its own entries ("actual",
"direcção"), not of the words built on them that other lists hold: a prefix
before an entry ("desativação", "incorreto") or an entry as part of a
hyphenated compound ("direções-gerais", "ex-selecionador"). European texts
from before the agreement, and many since, write those with the old letters
("desactivação", "incorrecto", "direcções-gerais"). This step writes them,
one word a line (UTF-8).

The old spellings taken are those that restore a silent c or p before c, ç
or t, the change that spreads to derived words; each is the spelling the
European lexicon gives for the part. Only compounds written in lower case
are spelt anew (not pairs of names), and a prefix is only split off a stem
of five letters or more, so that short stems ("ato" in "desato") are not
misread.
"""

import argparse
import re

from attested_prefixed import prefixes_of, read_words

# A consonant the agreement dropped, before the letter it stood before.
SILENT_CONSONANT = re.compile(r"[cp](?=[cçt])")
MIN_STEM = 5


def old_spellings(current, old):
    """For each current form, its old spellings: the old forms that lose
    one silent consonant to become it."""
    spellings = {}
    for form in old:
        for m in SILENT_CONSONANT.finditer(form):
            now = form[:m.start()] + form[m.end():]
            if now in current:
                spellings.setdefault(now, set()).add(form)
    return spellings


def respelt_compound(word, spellings):
    """The old spellings of a hyphenated word, each part respelt."""
    parts = word.split("-")
    if not any(part in spellings for part in parts):
        return set()  # most compounds: a verb and its clitic pronoun
    spelt = [""]
    for i, part in enumerate(parts):
        options = [part] + sorted(spellings.get(part, ()))
        spelt = [s + ("-" if i else "") + o for s in spelt for o in options]
    return set(spelt) - {word}


def respelt_prefixed(words, spellings, prefixes):
    """The old spellings of the words made of a prefix and a stem that has
    one. Looked up from the stems: far fewer than the words."""
    made = set()
    for stem, olds in spellings.items():
        if len(stem) >= MIN_STEM:
            for prefix in prefixes:
                if prefix + stem in words:
                    made.update(prefix + old for old in olds)
    return made


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--current", required=True, help="the European lexicon's forms")
    ap.add_argument("--pre-agreement", required=True, help="their old spellings")
    ap.add_argument("--aff", required=True, help="the affix file that names the prefixes")
    ap.add_argument("--words", nargs="+", required=True, metavar="LIST",
                    help="the lists whose words are spelt anew")
    ap.add_argument("--out", required=True)
    args = ap.parse_args()

    old = read_words(args.pre_agreement)
    spellings = old_spellings(read_words(args.current), old)
    with open(args.aff, encoding="utf-8") as f:
        prefixes = prefixes_of(f.read().splitlines())
    words = set()
    for path in args.words:
        words |= read_words(path)
    made = respelt_prefixed(words, spellings, prefixes)
    for word in words:
        if "-" in word and word[:1].islower():
            made |= respelt_compound(word, spellings)
    made -= words | old
    with open(args.out, "w", encoding="utf-8") as out:
        out.write("".join(w + "\n" for w in sorted(made)))
    print(f"  {len(made)} old spellings of derived words")


if __name__ == "__main__":
    main()
