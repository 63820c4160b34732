#!/usr/bin/env python3
"""Gather the names (places, countries, people) into a list of words.

Sources: iso-codes' country and subdivision names as the Portuguese locales
show them, the names the npm packages give (export_npm_names.js), and the
capitalised entries of the English word list (English proper names, common
in Portuguese news).

Names are split into words by the scanner's rule: "Rio de Janeiro" can only
ever reach the table as "Rio", "de" and "Janeiro". From English names and
foreign place names, a word whose lower-case form is itself an English word
is dropped ("Rock", "Post", "Spam"): those are the loans a linguist wants to
see reported.
"""

import argparse
import gettext
import json
import os

from wordchars import split_words


def iso_codes_names(locale_dir, json_dir, lusophone):
    """(name, foreign) for every country and subdivision name as the pt and
    pt_BR locales show it: the translation where the catalog has one, else
    (as gettext does) the name itself, which for subdivisions is their local
    name. A name left untranslated outside the Portuguese-speaking countries
    is foreign ("New South Wales")."""
    names = []
    for domain, fields in (("iso_3166-1", ("name", "official_name", "common_name")),
                           ("iso_3166-2", ("name",))):
        with open(os.path.join(json_dir, domain + ".json"), encoding="utf-8") as f:
            entries = json.load(f)[domain.replace("iso_", "")]
        for locale in ("pt", "pt_BR"):
            path = os.path.join(locale_dir, locale, "LC_MESSAGES", domain + ".mo")
            catalog = {}
            if os.path.exists(path):
                with open(path, "rb") as f:
                    catalog = gettext.GNUTranslations(f)._catalog
            for entry in entries:
                country = entry["alpha_2"] if "alpha_2" in entry else entry["code"][:2]
                for field in fields:
                    if field in entry:
                        name = entry[field]
                        if name in catalog:
                            names.append((catalog[name], False))
                        else:
                            names.append((name, country not in lusophone))
    return names


def npm_names(path):
    """(name, foreign) pairs from export_npm_names.js's "package, kind, name"
    lines; kind "foreign" marks places outside the Portuguese-speaking
    countries."""
    pairs = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) == 3:
                pairs.append((fields[2], fields[1] == "foreign"))
    return pairs


def english_words(path):
    """The capitalised entries (not the possessives, which only add "'s")
    and the set of all entries, to tell common words."""
    with open(path, encoding="utf-8") as f:
        entries = [line.strip() for line in f if line.strip()]
    names = [e for e in entries if e[0].isupper() and not e.endswith("'s")]
    return names, set(entries)


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--npm-names", required=True)
    ap.add_argument("--english", required=True, help="wamerican's word list")
    ap.add_argument("--locale-dir", default="/usr/share/locale")
    ap.add_argument("--iso-json-dir", default="/usr/share/iso-codes/json")
    ap.add_argument("--lusophone", nargs="+", required=True, metavar="COUNTRY",
                    help="codes of the Portuguese-speaking countries")
    ap.add_argument("--out", required=True)
    args = ap.parse_args()

    english, common = english_words(args.english)
    # Portuguese names are taken whole; English names and foreign place
    # names lose the words that are common English words.
    names = iso_codes_names(args.locale_dir, args.iso_json_dir, set(args.lusophone))
    names += npm_names(args.npm_names)
    names += [(name, True) for name in english]

    words, dropped = set(), set()
    for name, filtered in names:
        for word in split_words(name):
            if filtered and word.lower() in common:
                dropped.add(word)
            else:
                words.add(word)
    # A word dropped from one name may still come whole from another list.
    with open(args.out, "w", encoding="utf-8") as out:
        out.write("".join(w + "\n" for w in sorted(words)))
    print(f"  {len(words)} name words; {len(dropped - words)} left out as common English words")


if __name__ == "__main__":
    main()
