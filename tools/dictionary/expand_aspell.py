#!/usr/bin/env python3
"""Expand the Brazilian aspell lexicon (aspell-pt-br) into word forms.

Writes two UTF-8 files:
  --forms     every stem with its suffix rules: inflections, derivational
              suffixes and the verb+clitic forms ("trata-se", "dir-se-ia");
  --prefixed  one line per prefixed lemma (a stem with one prefix rule), the
              whole paradigm the prefix makes, blank-separated.

Prefix rules are kept apart because they apply to almost every stem and
generate millions of forms nobody writes ("antegostar"); whole families of
those would hide the prefixed coinages the program looks for. Another step
keeps only the prefixed paradigms that an independent word list attests.
"""

import argparse
import subprocess
import sys
import tempfile

ASPELL = ["aspell", "--lang=pt_BR", "--encoding=utf-8"]


def affix_file():
    dict_dir = subprocess.run(ASPELL + ["config", "dict-dir"], check=True,
                              capture_output=True, text=True).stdout.strip()
    return f"{dict_dir}/pt_BR_affix.dat"


def affix_flags(path):
    """The flags that the affix file defines as prefix rules, and its
    forbidden-word flag (None if it has none)."""
    data = open(path, "rb").read()
    encoding = "iso-8859-1"
    for line in data.split(b"\n"):
        if line.startswith(b"SET "):
            encoding = line.split()[1].decode().lower().replace("iso8859", "iso-8859")
            break
    flags, forbidden = set(), None
    for line in data.decode(encoding).splitlines():
        fields = line.split()
        # A rule set's header: "PFX flag cross-product count".
        if len(fields) == 4 and fields[0] == "PFX" and fields[2] in ("Y", "N"):
            flags.add(fields[1])
        elif len(fields) == 2 and fields[0] == "FORBIDDENWORD":
            forbidden = fields[1]
    return flags, forbidden


def expand(lines):
    """aspell's expansion of each "stem/flags" line: a list of forms each."""
    with tempfile.TemporaryFile("w+", encoding="utf-8") as src:
        src.write("".join(line + "\n" for line in lines))
        src.seek(0)
        done = subprocess.run(ASPELL + ["expand"], stdin=src, check=True,
                              capture_output=True)
    out = done.stdout.decode("utf-8").split("\n")
    if out and out[-1] == "":
        out.pop()
    if len(out) != len(lines):
        sys.exit(f"aspell expand gave {len(out)} lines for {len(lines)}")
    # Some suffixes carry hunspell continuation flags ("Bahia/Ý") that aspell
    # copies into the form; they are not part of the word.
    return [[w.split("/", 1)[0] for w in line.split()] for line in out]


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--forms", required=True)
    ap.add_argument("--prefixed", required=True)
    args = ap.parse_args()

    prefixes, forbidden = affix_flags(affix_file())
    if not prefixes:
        sys.exit("no prefix rules found in the pt_BR affix file")
    dump = subprocess.run(ASPELL + ["dump", "master"], check=True,
                          capture_output=True).stdout.decode("utf-8").splitlines()

    # For each stem: one request with its suffix flags, then one per prefix
    # flag with that prefix and the same suffix flags (the prefix combines
    # with the suffixed forms too). Asked in one aspell run, in order.
    requests, plan, rejected = [], [], set()
    for entry in dump:
        stem, _, flags = entry.partition("/")
        if forbidden and forbidden in flags:
            # Listed only to be rejected, also where the rules of another
            # stem generate it ("ague" from "aguar").
            rejected.add(stem)
            continue
        suffix = "".join(f for f in flags if f not in prefixes)
        own = sorted(set(f for f in flags if f in prefixes))
        requests.append(f"{stem}/{suffix}" if suffix else stem)
        requests.extend(f"{stem}/{p}{suffix}" for p in own)
        plan.append(len(own))
    answers = iter(expand(requests))

    with open(args.forms, "w", encoding="utf-8") as forms, \
         open(args.prefixed, "w", encoding="utf-8") as prefixed:
        for count in plan:
            plain = [w for w in next(answers) if w not in rejected]
            forms.write("".join(w + "\n" for w in plain))
            plain_set = set(plain) | rejected
            for _ in range(count):
                # The answer holds the unprefixed forms too; drop them.
                made = [w for w in next(answers) if w not in plain_set]
                if made:
                    prefixed.write(" ".join(made) + "\n")


if __name__ == "__main__":
    main()
