#!/usr/bin/env python3
"""Word lists that attest prefixed words, one word a line (UTF-8).

    attesting_words.py tesseract TRAINEDDATA WORKDIR OUT
    attesting_words.py thesaurus DAT OUT

tesseract: the word list inside tesseract-ocr-por's language data, which its
authors drew from text on the web: words in use. Its tools unpack the data
(combine_tessdata) and list the words of the packed word graph
(dawg2wordlist).

thesaurus: the one-word headwords and synonyms of a LibreOffice thesaurus
(mythes), words a lexicographer listed.

Neither list is taken into the dictionary: attested_prefixed.py only asks
them whether a prefixed word the Brazilian lexicon's rules make is in use.
"""

import argparse
import os
import subprocess
import sys


def tesseract_words(traineddata, workdir, out):
    prefix = os.path.join(workdir, "por.")
    subprocess.run(["combine_tessdata", "-u", traineddata, prefix], check=True,
                   capture_output=True)
    unicharset, dawg = prefix + "lstm-unicharset", prefix + "lstm-word-dawg"
    for path in (unicharset, dawg):
        if not os.path.isfile(path):
            sys.exit(f"{traineddata} holds no {os.path.basename(path)}")
    subprocess.run(["dawg2wordlist", unicharset, dawg, out], check=True, capture_output=True)
    with open(out, encoding="utf-8") as f:
        return sum(1 for line in f if line.strip())


def thesaurus_words(lines):
    """The one-word terms of a mythes .dat file: its first line names the
    encoding, then each headword ("word|count") is followed by its senses
    ("(category)|synonym|synonym...")."""
    words = set()
    for line in lines[1:]:
        for term in line.split("|"):
            term = term.strip()
            if term.startswith("("):
                term = term[term.find(")") + 1:].strip()
            if term and " " not in term and not term.isdigit():
                words.add(term)
    return words


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = ap.add_subparsers(dest="source", required=True)
    tess = sub.add_parser("tesseract")
    tess.add_argument("traineddata")
    tess.add_argument("workdir")
    tess.add_argument("out")
    thes = sub.add_parser("thesaurus")
    thes.add_argument("dat")
    thes.add_argument("out")
    args = ap.parse_args()

    if args.source == "tesseract":
        count = tesseract_words(args.traineddata, args.workdir, args.out)
    else:
        with open(args.dat, "rb") as f:
            data = f.read()
        encoding = data.split(b"\n", 1)[0].strip().decode("ascii") or "utf-8"
        words = sorted(thesaurus_words(data.decode(encoding).splitlines()))
        with open(args.out, "w", encoding="utf-8") as out:
            out.write("".join(w + "\n" for w in words))
        count = len(words)
    print(f"  {count} words")


if __name__ == "__main__":
    main()
