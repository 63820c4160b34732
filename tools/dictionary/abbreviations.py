#!/usr/bin/env python3
"""The abbreviations of the Brazilian hunspell lexicon, as the scanner cuts them.

The lexicon lists its abbreviations with their period ("Av.", "págs.",
"a.C."); the scanner sees only the letters ("Av", "págs", "a", "C"). Writes
those words, one a line (UTF-8). A word that is also a common English word
is left out ("sex.", "hot.", "card."): the same letters are an English
loan that the program must keep reporting.
"""

import argparse

from wordchars import split_words


def abbreviations(dic_lines):
    """The entries of a hunspell .dic file that end in a period, without flags."""
    for line in dic_lines[1:]:  # the first line holds the entry count
        word = line.split("/", 1)[0].split("\t", 1)[0].strip()
        if word.endswith("."):
            yield word


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--dic", required=True, help="the hunspell .dic file")
    ap.add_argument("--english", required=True,
                    help="the English word list that tells common words (wamerican's)")
    ap.add_argument("--out", required=True)
    args = ap.parse_args()

    with open(args.english, encoding="utf-8") as f:
        common = {line.strip() for line in f}
    with open(args.dic, encoding="utf-8-sig") as f:
        entries = list(abbreviations(f.read().splitlines()))
    words = {w for e in entries for w in split_words(e)}
    kept = sorted(w for w in words if w.lower() not in common)
    with open(args.out, "w", encoding="utf-8") as out:
        out.write("".join(w + "\n" for w in kept))
    print(f"  {len(kept)} words of {len(entries)} abbreviations; "
          f"{len(words) - len(kept)} left out as common English words")


if __name__ == "__main__":
    main()
