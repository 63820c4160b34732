#!/usr/bin/env python3
"""Writes the package's copyright file from the dictionary's list of sources.

    make_copyright.py SOURCES OUTPUT

Every source of the main dictionary is named with its version, what it
contributes, its authors and its licence, as the list records them, so
the package and the help window credit the same sources.
"""
import csv
import sys

HEADER = """Lexavia
=======

Lexavia finds candidate neologisms in Portuguese texts.

Program: Lexavia and its sentence segmenter frasor.
Copyright: 2026 Lexavia maintainers <lexavia@lexavia.example>
License: GPL-3.0-or-later
 This program is free software: you can redistribute it and/or modify it
 under the terms of the GNU General Public License as published by the Free
 Software Foundation, either version 3 of the License, or (at your option)
 any later version. On Debian systems the complete text of the GNU General
 Public License version 3 is in /usr/share/common-licenses/GPL-3.

Data: /usr/share/lexavia/dicionarios/dicionario_principal.txt, the main
dictionary, is built from the word lists, lexicons and gazetteers below,
each under its own licence. The texts of the GPL, LGPL, MPL and Apache
licences are in /usr/share/common-licenses/; the MIT licence lets anyone use, copy,
modify and distribute the data with its copyright notice; CC-BY-4.0 is at
https://creativecommons.org/licenses/by/4.0/legalcode.

Sources of the main dictionary
------------------------------
"""


def main(sources_path, output_path):
    with open(sources_path, encoding="utf-8", newline="") as sources:
        rows = list(csv.DictReader(sources, delimiter="\t"))
    with open(output_path, "w", encoding="utf-8") as output:
        output.write(HEADER)
        for row in rows:
            output.write(f"\n{row['package']} {row['version']} ({row['kind']}, {row['year']})\n")
            output.write(f"  Contributes: {row['contributes']}\n")
            output.write(f"  Copyright: {row['authors']}\n")
            output.write(f"  License: {row['licence']}\n")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
