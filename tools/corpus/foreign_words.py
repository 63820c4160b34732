#!/usr/bin/env python3
"""Writes the list of foreign words that lexavia-corpus's classes read
(data/corpus/estrangeiras.txt): the words of Debian's word lists for English,
French, Spanish, Italian and German, in Windows-1252 lower case, without
those that Debian's Portuguese word lists also hold.

    foreign_words.py OUTPUT [DICT_FOLDER]

DICT_FOLDER is /usr/share/dict unless given (the tests name a folder of
their own). The file is replaced only once it is whole.
"""
import os
import sys

# Package -> file of /usr/share/dict.
FOREIGN = {
    "wamerican": "american-english",
    "wbritish": "british-english",
    "wfrench": "french",
    "wspanish": "spanish",
    "witalian": "italian",
    "wngerman": "ngerman",
}
PORTUGUESE = {"wbrazilian": "brazilian", "wportuguese": "portuguese"}

# The accented letters the scanner makes words of besides A to Z, a to z and
# the hyphen (detection/WordChars.cpp): a word holding any other byte is never a candidate.
ACCENTED = set("áéíóúâêîôûãõàèìòùäëïöüçýÿÁÉÍÓÚÂÊÎÔÛÃÕÀÈÌÒÙÄËÏÖÜÇÝŸ")


def is_word(word):
    return word and all(("a" <= c.lower() <= "z") or c == "-" or c in ACCENTED for c in word)


def read_words(path):
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            word = line.strip()
            if is_word(word):
                yield word.lower()


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    output = sys.argv[1]
    folder = sys.argv[2] if len(sys.argv) == 3 else "/usr/share/dict"
    missing = [package for package, name in {**FOREIGN, **PORTUGUESE}.items()
               if not os.path.exists(os.path.join(folder, name))]
    if missing:
        sys.exit("foreign_words.py: install " + " ".join(missing) + " (scripts/packages.sh)")
    portuguese = set()
    for name in PORTUGUESE.values():
        portuguese.update(read_words(os.path.join(folder, name)))
    foreign = set()
    for name in FOREIGN.values():
        foreign.update(read_words(os.path.join(folder, name)))
    foreign -= portuguese
    temporary = output + ".tmp"
    with open(temporary, "w", encoding="cp1252", newline="\n") as out:
        out.write("# Words of English, French, Spanish, Italian and German (Debian's word\n"
                  "# lists " + ", ".join(FOREIGN) + "), lower case, without those of\n"
                  "# " + " and ".join(PORTUGUESE) + ". Made by tools/corpus/foreign_words.py.\n")
        for word in sorted(foreign):
            out.write(word + "\n")
    os.replace(temporary, output)


if __name__ == "__main__":
    main()
