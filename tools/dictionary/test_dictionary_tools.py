#!/usr/bin/env python3
"""Tests of the dictionary build steps on small hand-made inputs.

    python3 -m unittest discover -s tools/dictionary -p 'test_*.py'
"""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import assemble  # noqa: E402
import attested_prefixed  # noqa: E402
import expand_hunspell  # noqa: E402
import gazetteer  # noqa: E402
import measure_rate  # noqa: E402
import wordchars  # noqa: E402


def cp(text):
    return text.encode("cp1252")


def write(path, text, encoding="utf-8"):
    with open(path, "w", encoding=encoding, newline="\n") as f:
        f.write(text)


def run_script(name, *args):
    return subprocess.run([sys.executable, os.path.join(HERE, name), *args],
                          check=True, capture_output=True, text=True)


class WordCharsTest(unittest.TestCase):
    def test_splits_as_the_scanner_does(self):
        self.assertEqual(wordchars.split_words("pós-moderno"), ["pós-moderno"])
        self.assertEqual(wordchars.split_words("d'água"), ["d", "água"])
        self.assertEqual(wordchars.split_words("H2O"), ["H", "O"])
        # ñ, ß, ª and characters cp1252 lacks separate words.
        self.assertEqual(wordchars.split_words("niño 1ª Straße őr"), ["ni", "o", "Stra", "e", "r"])

    def test_word_bytes(self):
        self.assertEqual(len(wordchars.WORD_BYTES), 26 * 2 + 1 + 25 * 2)
        self.assertIn(159, wordchars.WORD_BYTES)  # Ÿ in cp1252
        for byte in b"09'_ \xaa\xba\xf1\xd1\xdf":
            self.assertNotIn(byte, wordchars.WORD_BYTES)
        self.assertTrue(wordchars.is_word(cp("Água-viva")))
        self.assertFalse(wordchars.is_word(cp("d'água")))
        self.assertFalse(wordchars.is_word(b""))

    def test_fold_changes_only_a_to_z(self):
        self.assertEqual(wordchars.fold(cp("PÚBLICO")), cp("pÚblico"))
        self.assertEqual(wordchars.fold(cp("Casa")), b"casa")

    def test_same_letters_as_the_scanner(self):
        # The C++ scanner lists its accented letters as \xHH escapes.
        source = os.path.join(HERE, "..", "..", "detection", "WordChars.cpp")
        with open(source, encoding="utf-8") as f:
            text = f.read()
        literal = text[text.index("AccentedLetters"):text.index(";", text.index("AccentedLetters"))]
        scanner = {int(h, 16) for h in re.findall(r"\\x([0-9A-Fa-f]{2})", literal)}
        ours = set(cp(wordchars.ACCENTED_LOWER + wordchars.ACCENTED_UPPER))
        self.assertEqual(scanner, ours)


class AssembleTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.dir)

    def test_variants(self):
        self.assertEqual(assemble.capital_first("água"), "Água")
        self.assertIsNone(assemble.capital_first("casa"))  # folding covers it
        self.assertEqual(assemble.all_caps("público"), "PÚBLICO")
        self.assertEqual(assemble.all_caps("ÿ-ç"), "Ÿ-Ç")
        self.assertIsNone(assemble.all_caps("casa"))

    def test_output_file(self):
        lexicon = os.path.join(self.dir, "lexicon.txt")
        names = os.path.join(self.dir, "names.txt")
        out = os.path.join(self.dir, "dict.txt")
        write(lexicon, "água\ncasa\nd'água\nH2O\nőr\ncasa\nção\n")
        write(names, "São\nÉvora\n")
        run_script("assemble.py", "--lists", lexicon, "--all-caps", names, "--out", out)
        with open(out, "rb") as f:
            data = f.read()
        self.assertTrue(data.endswith(b"\r\n"))
        lines = data.split(b"\r\n")[:-1]
        self.assertNotIn(b"\n", b"".join(lines))
        self.assertEqual(lines, sorted(set(lines)))
        # "ÉVORA" folds to "Évora" already, so it is not written.
        expected = {"-", "--", "---", "água", "Água", "casa", "ção", "Ção",
                    "São", "SÃO", "Évora"}
        self.assertEqual(set(lines), {cp(w) for w in expected})
        # The lexicon lists get no all-capitals variant.
        self.assertNotIn(cp("ÁGUA"), lines)


class AttestedPrefixedTest(unittest.TestCase):
    def test_keeps_whole_paradigm_only_when_attested(self):
        d = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, d)
        paradigms, known, out = (os.path.join(d, n) for n in ("p.txt", "k.txt", "o.txt"))
        write(paradigms, "desenvolver desenvolve-se desenvolvimento\nantegostar antegostou\n")
        write(known, "desenvolvimento\n")
        run_script("attested_prefixed.py", "--paradigms", paradigms,
                   "--attested-by", known, "--out", out)
        with open(out, encoding="utf-8") as f:
            self.assertEqual(f.read().split(), ["desenvolver", "desenvolve-se", "desenvolvimento"])


class ExpandHunspellTest(unittest.TestCase):
    AFF = ("SET UTF-8\nTRY aeiouçã\n\n"
           "PFX R Y 1\nPFX R 0 re . PFSEM=outra+\n\n"
           "SFX p Y 2\nSFX p ão ões ão\tCAT=nc\nSFX p 0 s [^o]\n\n"
           "FORBIDDENWORD !\n")
    DIC = ("3\n"
           "ação/pR\t[PREAO90=acção,CAT=nc,G=f,N=s]\n"
           "casa/p\t[CAT=nc]\n"
           "casaa/!\n")

    def test_affix_copy_keeps_suffix_rules_only(self):
        lines, prefixes, forbidden, _ = expand_hunspell.suffix_only_affix(self.AFF.splitlines())
        self.assertEqual(prefixes, {"R"})
        self.assertEqual(forbidden, "!")
        self.assertEqual(lines[0], "SET ISO8859-1")
        self.assertIn("SFX p ão ões ão", lines)
        self.assertFalse(any(l.startswith("PFX") or "CAT=" in l for l in lines))

    def test_entries_and_old_spelling(self):
        entries = list(expand_hunspell.parse_entries(self.DIC.splitlines()))
        self.assertEqual(entries[0][:2], ("ação", "pR"))
        self.assertEqual(expand_hunspell.pre_agreement_spelling(entries[0][2]), "acção")
        self.assertIsNone(expand_hunspell.pre_agreement_spelling(entries[1][2]))

    @unittest.skipUnless(shutil.which("unmunch"), "unmunch (hunspell-tools) is not installed")
    def test_expansion(self):
        d = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, d)
        aff, dic = os.path.join(d, "x.aff"), os.path.join(d, "x.dic")
        cur, old = os.path.join(d, "cur.txt"), os.path.join(d, "old.txt")
        write(aff, self.AFF)
        write(dic, self.DIC)
        run_script("expand_hunspell.py", "--aff", aff, "--dic", dic, "--current", cur,
                   "--pre-agreement", old, "--workdir", d)
        with open(cur, encoding="utf-8") as f:
            self.assertEqual(set(f.read().split()), {"ação", "ações", "casa", "casas"})
        with open(old, encoding="utf-8") as f:
            self.assertEqual(set(f.read().split()), {"acção", "acções"})


class GazetteerTest(unittest.TestCase):
    def test_names(self):
        d = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, d)
        os.makedirs(os.path.join(d, "json"))
        with open(os.path.join(d, "json", "iso_3166-1.json"), "w") as f:
            json.dump({"3166-1": [{"alpha_2": "US", "name": "United States"}]}, f)
        with open(os.path.join(d, "json", "iso_3166-2.json"), "w") as f:
            json.dump({"3166-2": [{"code": "BR-SP", "name": "São Paulo"},
                                  {"code": "US-AR", "name": "Little Rock"}]}, f)
        npm = os.path.join(d, "npm.tsv")
        write(npm, "x\tlocal\tRio de Janeiro\nx\tforeign\tPost Falls\nx\tlocal\tBranco\n")
        english = os.path.join(d, "english.txt")
        write(english, "Post\npost\nfalls\nrock\nRock\nGeorge\nGeorge's\nunited\n")
        out = os.path.join(d, "names.txt")
        run_script("gazetteer.py", "--npm-names", npm, "--english", english,
                   "--locale-dir", os.path.join(d, "locale"),
                   "--iso-json-dir", os.path.join(d, "json"),
                   "--lusophone", "BR", "PT", "--out", out)
        with open(out, encoding="utf-8") as f:
            words = f.read().split("\n")[:-1]
        self.assertEqual(words, sorted(words))
        self.assertEqual(set(words), {"Rio", "de", "Janeiro", "Branco", "São", "Paulo",
                                      "Little", "States", "George"})


class MeasureRateTest(unittest.TestCase):
    def test_counts_with_the_program_rules(self):
        d = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, d)
        dic, text = os.path.join(d, "dict.txt"), os.path.join(d, "t.txt")
        with open(dic, "wb") as f:
            f.write(cp("casa\r\nágua\r\nd\r\n"))
        # "Casa"/"CASA" match "casa"; "Água" does not match "água"; "õ"
        # survives, "ő" becomes "?" and separates "ca" and "sa".
        write(text, "Casa CASA Água d'água caősa nova\n")
        tokens, flagged = measure_rate.count_flagged([text], measure_rate.load_dictionary(dic))
        self.assertEqual(tokens, 8)
        self.assertEqual(dict(flagged), {cp("Água"): 1, b"ca": 1, b"sa": 1, b"nova": 1})


if __name__ == "__main__":
    unittest.main()
