#!/usr/bin/env python3
"""Gather the names (places, countries, people) into a list of words.

Sources, each optional: iso-codes' country and subdivision names as the
Portuguese locales show them, the names the npm packages give
(export_npm_names.js), and the names of an English word list: its entries
written with a capital ("Merkel", "iPad"), English proper names and brands,
common in Portuguese news.

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


def read_entries(path):
    with open(path, encoding="utf-8") as f:
        return [line.strip() for line in f if line.strip()]


def english_names(entries):
    """The entries written with a capital anywhere ("Merkel", "iPad",
    "McLaren"), without the possessives, which only add "'s"."""
    return [e for e in entries if any(c.isupper() for c in e) and not e.endswith("'s")]


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--npm-names", help="export_npm_names.js's output")
    ap.add_argument("--iso-codes", action="store_true",
                    help="take iso-codes' country and subdivision names")
    ap.add_argument("--english-names", help="an English word list whose names to take")
    ap.add_argument("--english", required=True,
                    help="the English word list that tells common words (wamerican's)")
    ap.add_argument("--locale-dir", default="/usr/share/locale")
    ap.add_argument("--iso-json-dir", default="/usr/share/iso-codes/json")
    ap.add_argument("--lusophone", nargs="+", default=[], metavar="COUNTRY",
                    help="codes of the Portuguese-speaking countries (for --iso-codes)")
    ap.add_argument("--out", required=True)
    args = ap.parse_args()

    common = set(read_entries(args.english))
    # Portuguese names are taken whole; English names and foreign place
    # names lose the words that are common English words.
    names = []
    if args.iso_codes:
        if not args.lusophone:
            ap.error("--iso-codes needs --lusophone")
        names += iso_codes_names(args.locale_dir, args.iso_json_dir, set(args.lusophone))
    if args.npm_names:
        names += npm_names(args.npm_names)
    if args.english_names:
        names += [(name, True) for name in english_names(read_entries(args.english_names))]

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
