#!/usr/bin/env python3
"""Writes the help window's text in Windows-1252 from its template.

    make_help_text.py TEMPLATE SOURCES CONTACT OUTPUT

Each {package.field} of the template is replaced by that field of the
package's row in SOURCES (the dictionary's list of sources), so the help
names the sources and versions the dictionary is really built from;
{contact} is replaced by CONTACT.
"""
import csv
import re
import sys


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
        return rows[package][column]

    with open(template_path, encoding="utf-8") as template:
        text = re.sub(r"\{([^{}]+)\}", field, template.read())
    with open(output_path, "wb") as output:
        output.write(text.encode("cp1252"))


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
