#!/usr/bin/env python3
"""Writes the help window's text in Windows-1252 from its template.

    make_help_text.py TEMPLATE SOURCES CONTACT OUTPUT

Each {package.field} of the template is replaced by that field of the
package's row in SOURCES (the dictionary's list of sources), so the help
names the sources and versions the dictionary is really built from;
{contact} is replaced by CONTACT. The list is written in English for the
package's copyright file; the phrases its author and licence fields join
names with are put into Portuguese here, and a field that would still
bring English into the text stops the build.
"""
import csv
import re
import sys

# English phrases of the list's fields, in Portuguese.
PORTUGUESE = [
    (" and the authors its README names", " e os autores que o seu README nomeia"),
    (" and the translators", " e os tradutores"),
    (" and the Hunspell contributors", " e os colaboradores do Hunspell"),
    (" and contributors", " e colaboradores"),
    (" and others", " e outros"),
    ("LibreOffice dictionaries", "dicionários do LibreOffice"),
    (" and ", " e "),
    (" or ", " ou "),
]
ENGLISH = re.compile(r"(?<![-\w])(and|or|the|others|contributors|dictionaries|licen[cs]e|names)(?![-\w])")


def in_portuguese(value, where):
    for english, portuguese in PORTUGUESE:
        value = value.replace(english, portuguese)
    if ENGLISH.search(value):
        sys.exit(f"make_help_text: English left in {where}: {value!r}")
    return value


def main(template_path, sources_path, contact, output_path):
    with open(sources_path, encoding="utf-8", newline="") as sources:
        rows = {row["package"]: row for row in csv.DictReader(sources, delimiter="\t")}

    def field(match):
        name = match.group(1)
        if name == "contact":
            return contact
        package, _, column = name.rpartition(".")
        if package not in rows or column not in rows[package]:
            sys.exit(f"make_help_text: no {column!r} for {package!r} in {sources_path}")
        return in_portuguese(rows[package][column], name)

    with open(template_path, encoding="utf-8") as template:
        text = re.sub(r"\{([^{}]+)\}", field, template.read())
    with open(output_path, "wb") as output:
        output.write(text.encode("cp1252"))


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
