#!/usr/bin/env python3
"""Expand the European Portuguese hunspell lexicon with its suffix rules.

Writes two UTF-8 word lists, one word a line:
  --current        every entry with its suffix rules applied;
  --pre-agreement  the spellings from before the 1990 agreement (the PREAO90
                   field of an entry: "acção" for "ação"; forms listed apart
                   from their lemma take the lemma's: "reflecte" for
                   "reflete"), with the suffix rules of the entry they
                   belong to.

unmunch cannot read Debian's files as shipped: it handles only 8-bit
encodings and takes the bracketed morphological fields for flags. So the
affix and word files are copied to ISO-8859-1 without those fields. Prefix
rules are left out for the same reason as in the Brazilian lexicon: they
invent unattested forms that would hide prefixed coinages. Only "ex-" and
"vice-" are kept, on the words the lexicon marks for them.
"""

import argparse
import os
import re
import subprocess
import sys

LATIN1 = "iso-8859-1"


def read_lines(path):
    with open(path, encoding="utf-8") as f:
        return f.read().splitlines()


# Prefixes that only name a former or deputy holder of what the word names
# ("ex-ministro", "vice-presidente"): the lexicon marks the words that take
# them, and such a form is never a coinage of its own.
KEPT_PREFIXES = ("ex-", "vice-")


def affix_rule(fields):
    """A rule's fields without its morphology: "SFX f strip add cond"."""
    line = " ".join(fields[:4] if len(fields) == 4 else fields[:5])
    try:
        line.encode(LATIN1)
    except UnicodeEncodeError:
        sys.exit(f"affix rule outside ISO-8859-1: {line}")
    return line


def suffix_only_affix(lines):
    """The affix lines unmunch needs: the suffix rules and the KEPT_PREFIXES
    rules, without their morphology.

    Returns the lines and the set of the other prefix flags, the
    forbidden-word flag (or None) and the NEEDAFFIX flag (or None)."""
    prefixes = {}  # flag: the prefixes its rules add
    for line in lines:
        fields = line.split()
        if len(fields) >= 4 and fields[0] == "PFX" and not (len(fields) == 4 and fields[2] in "YN"):
            prefixes.setdefault(fields[1], set()).add(fields[3])
    kept = {flag for flag, added in prefixes.items() if added <= set(KEPT_PREFIXES)}

    out = ["SET ISO8859-1"]
    forbidden, needaffix = None, None
    for line in lines:
        fields = line.split()
        if not fields:
            continue
        key = fields[0]
        if key == "PFX" and len(fields) >= 2 and fields[1] in kept:
            out.append(affix_rule(fields))
        elif key == "FORBIDDENWORD" and len(fields) >= 2:
            forbidden = fields[1]
        elif key == "NEEDAFFIX" and len(fields) >= 2:
            needaffix = fields[1]
            out.append(line)
        elif key == "FLAG":
            out.append(line)
        elif key == "SFX":
            # Header "SFX f Y n" or rule "SFX f strip add cond [morph...]".
            out.append(affix_rule(fields))
    return out, set(prefixes) - kept, forbidden, needaffix


ENTRY = re.compile(r"^([^\t/]+)(?:/(\S*))?\s*(?:\[(.*)\])?\s*$")


def parse_entries(lines):
    """(word, flags, morphology) for each entry of a .dic file."""
    for line in lines[1:]:  # the first line holds the entry count
        m = ENTRY.match(line)
        if m:
            yield m.group(1).strip(), m.group(2) or "", m.group(3) or ""


def lemma_of(morph):
    """The lemma an inflected entry points to ("$refletir$..."), or None."""
    return morph.split("$")[1] if morph.startswith("$") else None


def pre_agreement_spelling(morph):
    """The PREAO90 field's value. Fields are separated by commas, and an
    entry that points to its lemma has sections separated by "$"."""
    for field in re.split(r"[,$]", morph):
        if field.startswith("PREAO90="):
            return field[len("PREAO90="):]
    return None


def spelling_change(current, old):
    """Where old differs from current: (start, removed, inserted), with the
    longest common beginning and end left out ("ator", "actor": (1, "", "c"))."""
    start = 0
    while start < min(len(current), len(old)) and current[start] == old[start]:
        start += 1
    end = 0
    while end < min(len(current), len(old)) - start and current[-1 - end] == old[-1 - end]:
        end += 1
    return start, current[start:len(current) - end], old[start:len(old) - end]


def apply_change(change, base, form):
    """form spelt as the change spells base, or None when form does not
    hold base's changed part in the same place. The letter just before the
    change may differ, as a verb's stem vowel does ("refletir" becomes
    "reflectir", so "reflito" becomes "reflicto")."""
    start, removed, inserted = change
    end = start + len(removed)
    kept = max(start - 1, 0)
    if form[:kept] != base[:kept] or form[start:end] != removed:
        return None
    # The letter after the change anchors it: "a|tor" is not "a|mor".
    if end < len(base) and form[end:end + 1] != base[end:end + 1]:
        return None
    return form[:start] + inserted + form[end:]


def pre_agreement_entries(entries):
    """(old spelling, flags) for the entries spelt otherwise before the 1990
    agreement. An entry's own PREAO90 field may describe the entry or its
    lemma ("projetos-lei": "projecto-lei"); the smaller change tells which.
    Forms listed apart from their lemma without the field ("reflete" of
    "refletir") take the lemma's change."""
    lemma_change = {}
    for word, _, morph in entries:
        old = pre_agreement_spelling(morph)
        if old and lemma_of(morph) is None:
            lemma_change[word] = spelling_change(word, old)
    for word, flags, morph in entries:
        old, lemma = pre_agreement_spelling(morph), lemma_of(morph)
        candidates = []
        if old:
            candidates.append((word, spelling_change(word, old)))
            if lemma:
                candidates.append((lemma, spelling_change(lemma, old)))
        elif lemma in lemma_change:
            candidates.append((lemma, lemma_change[lemma]))
        candidates.sort(key=lambda c: len(c[1][1]) + len(c[1][2]))
        for base, change in candidates:
            spelling = apply_change(change, base, word)
            if spelling:
                yield spelling, flags
                break


def write_dic(path, entries):
    """A .dic in ISO-8859-1; entries that cannot be encoded are left out
    (they could not be encoded in cp1252 either)."""
    encodable = []
    for word, flags in entries:
        line = f"{word}/{flags}" if flags else word
        try:
            line.encode(LATIN1)
        except UnicodeEncodeError:
            continue
        encodable.append(line)
    with open(path, "w", encoding=LATIN1, newline="\n") as f:
        f.write(f"{len(encodable)}\n")
        f.write("".join(line + "\n" for line in encodable))


def unmunch(dic, aff, out):
    # unmunch traces every rule it parses on stderr; keep that only on failure.
    with open(out, "wb") as f:
        done = subprocess.run(["unmunch", dic, aff], stdout=f, stderr=subprocess.PIPE)
    if done.returncode != 0:
        sys.stderr.buffer.write(done.stderr[-4000:])
        sys.exit(f"unmunch failed on {dic}")
    # unmunch writes ISO-8859-1, as the affix file declares; re-encode.
    with open(out, encoding=LATIN1) as f:
        words = f.read().split("\n")
    with open(out, "w", encoding="utf-8") as f:
        f.write("".join(w + "\n" for w in words if w))


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--aff", required=True)
    ap.add_argument("--dic", required=True)
    ap.add_argument("--current", required=True)
    ap.add_argument("--pre-agreement", required=True)
    ap.add_argument("--workdir", required=True)
    args = ap.parse_args()

    affix, prefix_flags, forbidden, needaffix = suffix_only_affix(read_lines(args.aff))
    aff = os.path.join(args.workdir, "pt_PT-suffixes.aff")
    with open(aff, "w", encoding=LATIN1, newline="\n") as f:
        f.write("\n".join(affix) + "\n")

    current = []
    for word, flags, morph in parse_entries(read_lines(args.dic)):
        if forbidden and forbidden in flags:
            continue  # a word the lexicon rejects, kept only to forbid it
        kept_flags = "".join(c for c in flags if c not in prefix_flags)
        if needaffix and needaffix in flags and not kept_flags:
            continue
        current.append((word, kept_flags, morph))
    old = list(pre_agreement_entries(current))
    current = [(word, flags) for word, flags, _ in current]

    for entries, name, out in ((current, "current", args.current),
                               (old, "pre-agreement", args.pre_agreement)):
        dic = os.path.join(args.workdir, f"pt_PT-{name}.dic")
        write_dic(dic, entries)
        unmunch(dic, aff, out)


if __name__ == "__main__":
    main()
