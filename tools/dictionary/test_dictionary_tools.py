#!/usr/bin/env python3
"""Tests of the dictionary build steps on small hand-made inputs.

    python3 -m unittest discover -s tools/dictionary -p 'test_*.py'
"""

import glob
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

import abbreviations  # noqa: E402
import assemble  # noqa: E402
import attested_prefixed  # noqa: E402
import attesting_words  # noqa: E402
import expand_hunspell  # noqa: E402
import gazetteer  # noqa: E402
import hyphenated_compounds  # noqa: E402
import measure_rate  # noqa: E402
import neologism_recall  # noqa: E402
import pre_agreement_derived  # noqa: E402
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
        # A dash against a word is not part of it; hyphens alone are no word.
        self.assertEqual(wordchars.split_words("disse -se casa- --fim-- - ex-ministro"),
                         ["disse", "se", "casa", "fim", "ex-ministro"])
        # ñ, ß, ª and characters cp1252 lacks separate words.
        self.assertEqual(wordchars.split_words("niño 1ª Straße őr"), ["ni", "o", "Stra", "e", "r"])

    def test_word_bytes(self):
        self.assertEqual(len(wordchars.WORD_BYTES), 26 * 2 + 1 + 25 * 2)
        self.assertIn(159, wordchars.WORD_BYTES)  # Ÿ in cp1252
        for byte in b"09'_ \xaa\xba\xf1\xd1\xdf":
            self.assertNotIn(byte, wordchars.WORD_BYTES)
        self.assertTrue(wordchars.is_word(cp("Água-viva")))
        self.assertFalse(wordchars.is_word(cp("d'água")))
        self.assertFalse(wordchars.is_word(cp("anti-")))
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
        left_out = os.path.join(self.dir, "left-out.txt")
        manifest = os.path.join(self.dir, "lists.tsv")
        write(lexicon, "água\ncasa\nd'água\nH2O\nőr\ncasa\nção\n")
        write(names, "São\nÉvora\n")
        write(left_out, "sextou\n")
        write(manifest, f"lexicon\tcapital-first\t{lexicon}\nnames\tall-caps\t{names}\n"
                        f"recent\tall-caps\t{left_out}\n")
        run_script("assemble.py", "--manifest", manifest, "--leave-out", "recent", "--out", out)
        with open(out, "rb") as f:
            data = f.read()
        self.assertTrue(data.endswith(b"\r\n"))
        lines = data.split(b"\r\n")[:-1]
        self.assertNotIn(b"\n", b"".join(lines))
        self.assertEqual(lines, sorted(set(lines)))
        # "ÉVORA" folds to "Évora" already, so it is not written.
        expected = {"água", "Água", "casa", "ção", "Ção",
                    "São", "SÃO", "Évora"}
        self.assertEqual(set(lines), {cp(w) for w in expected})
        # The lexicon lists get no all-capitals variant.
        self.assertNotIn(cp("ÁGUA"), lines)

    def test_manifest_errors(self):
        manifest = os.path.join(self.dir, "lists.tsv")
        out = os.path.join(self.dir, "dict.txt")
        write(manifest, "lexicon\tsmall-caps\tx.txt\n")
        with self.assertRaises(subprocess.CalledProcessError):
            run_script("assemble.py", "--manifest", manifest, "--out", out)
        write(manifest, "lexicon\tall-caps\tx.txt\n")
        with self.assertRaises(subprocess.CalledProcessError):
            run_script("assemble.py", "--manifest", manifest, "--leave-out", "names", "--out", out)
        self.assertFalse(os.path.exists(out))


class AttestedPrefixedTest(unittest.TestCase):
    def test_keeps_whole_paradigm_only_when_attested(self):
        d = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, d)
        paradigms, known, out = (os.path.join(d, n) for n in ("p.txt", "k.txt", "o.txt"))
        running, aff = os.path.join(d, "r.txt"), os.path.join(d, "a.aff")
        write(paradigms, "desenvolver desenvolve-se desenvolvimento\nantegostar antegostou\n"
                         "autoimune autoimunes\nantissocial\nbiodiesel\nrecife recifes\n"
                         "autodeclaração\n")
        write(known, "desenvolvimento\nRecife\nanti-social\n")
        write(running, "Auto-Imune\nBIODIESEL\nauto-declarar\n")
        write(aff, "PFX Ã Y 2\nPFX Ã 0 auto .\nPFX Ã 0 auto- [aeiou]\n"
                   "PFX Á Y 1\nPFX Á 0 anti .\nPFX â Y 1\nPFX â 0 bio .\n")
        run_script("attested_prefixed.py", "--paradigms", paradigms, "--attested-by", known,
                   "--attested-any-case", running, "--aff", aff, "--out", out)
        with open(out, encoding="utf-8") as f:
            # A name in a lexicon attests no lower-case word; running text
            # attests in any case; a hyphen after the prefix is the old
            # spelling of the joined word, a doubled r or s included.
            self.assertEqual(f.read().split(), [
                "desenvolver", "desenvolve-se", "desenvolvimento", "autoimune", "autoimunes",
                "antissocial", "biodiesel"])


class AttestingWordsTest(unittest.TestCase):
    def test_thesaurus_terms(self):
        lines = ["UTF-8", "aba|2", "(Sinônimo)amparo|amparo|abrigo|ponto de apoio",
                 "(Antônimo)|desamparo", "1|1", "(Substantivo)|um"]
        self.assertEqual(attesting_words.thesaurus_words(lines),
                         {"aba", "amparo", "abrigo", "desamparo", "um"})

    @unittest.skipUnless(shutil.which("dawg2wordlist"), "tesseract-ocr is not installed")
    def test_words_of_the_ocr_data(self):
        data = sorted(glob.glob("/usr/share/tesseract-ocr/*/tessdata/por.traineddata"))
        self.assertTrue(data, "tesseract-ocr-por is not installed")
        d = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, d)
        out = os.path.join(d, "words.txt")
        run_script("attesting_words.py", "tesseract", data[0], d, out)
        with open(out, encoding="utf-8") as f:
            words = set(f.read().split())
        self.assertGreater(len(words), 100000)
        self.assertTrue({"casa", "desenvolvimento", "não"} <= words)


class PreAgreementDerivedTest(unittest.TestCase):
    CURRENT = {"ativação", "ativar", "correto", "direção", "direções", "gerais", "ato", "ótimo"}
    OLD = {"activação", "activar", "correcto", "direcção", "direcções", "acto", "óptimo"}

    def test_old_spellings_of_prefixed_words_and_compounds(self):
        spellings = pre_agreement_derived.old_spellings(self.CURRENT, self.OLD)
        self.assertEqual(spellings["direções"], {"direcções"})
        self.assertEqual(spellings["ótimo"], {"óptimo"})
        words = {"desativação", "incorreto", "desato", "reativar"}
        self.assertEqual(
            pre_agreement_derived.respelt_prefixed(words, spellings, {"des", "in", "re"}),
            {"desactivação", "incorrecto", "reactivar"})  # "ato" is too short a stem
        self.assertEqual(pre_agreement_derived.respelt_compound("direções-gerais", spellings),
                         {"direcções-gerais"})
        self.assertEqual(pre_agreement_derived.respelt_compound("ativou-se", spellings), set())

    def test_prefixes_of_the_affix_file(self):
        lines = ["PFX À Y 3", "PFX À 0 re .", "PFX À 0 rer r", "PFX Ú Y 1", "PFX Ú 0 ex- .",
                 "SFX a Y 1", "SFX a 0 s ."]
        self.assertEqual(attested_prefixed.prefixes_of(lines), {"re", "rer"})

    def test_writes_only_new_lower_case_words(self):
        d = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, d)
        paths = {n: os.path.join(d, n) for n in ("cur", "old", "aff", "words", "out")}
        write(paths["cur"], "".join(w + "\n" for w in sorted(self.CURRENT)))
        write(paths["old"], "".join(w + "\n" for w in sorted(self.OLD)))
        write(paths["aff"], "PFX Â Y 1\nPFX Â 0 des .\n")
        write(paths["words"], "desativação\ndireções-gerais\nDireções-Gerais\ndesactivação\n")
        run_script("pre_agreement_derived.py", "--current", paths["cur"], "--pre-agreement",
                   paths["old"], "--aff", paths["aff"], "--words", paths["words"],
                   "--out", paths["out"])
        with open(paths["out"], encoding="utf-8") as f:
            self.assertEqual(f.read().split(), ["direcções-gerais"])


class ExpandHunspellTest(unittest.TestCase):
    AFF = ("SET UTF-8\nTRY aeiouçã\n\n"
           "PFX R Y 1\nPFX R 0 re . PFSEM=outra+\n\n"
           "PFX x Y 1\nPFX x 0 ex- . PFSEM=ex+\n\n"
           "SFX p Y 2\nSFX p ão ões ão\tCAT=nc\nSFX p 0 s [^o]\n\n"
           "FORBIDDENWORD !\n")
    DIC = ("6\n"
           "ação/pR\t[PREAO90=acção,CAT=nc,G=f,N=s]\n"
           "casa/px\t[CAT=nc]\n"
           "casaa/!\n"
           "atriz\t[$ator$PREAO90=actriz,CAT=nc,G=f,N=s]\n"
           "refletir\t[PREAO90=reflectir,CAT=v]\n"
           "reflete\t[$refletir$CAT=v$P=3,N=s]\n")

    def test_affix_copy_keeps_suffix_rules_only(self):
        lines, prefixes, forbidden, _ = expand_hunspell.suffix_only_affix(self.AFF.splitlines())
        self.assertEqual(prefixes, {"R"})
        self.assertEqual(forbidden, "!")
        self.assertEqual(lines[0], "SET ISO8859-1")
        self.assertIn("SFX p ão ões ão", lines)
        # "ex-" is kept, without its morphology; "re" is not.
        self.assertIn("PFX x 0 ex- .", lines)
        self.assertFalse(any(l.startswith("PFX R") or "SEM=" in l or "CAT=" in l for l in lines))

    def test_entries_and_old_spelling(self):
        entries = list(expand_hunspell.parse_entries(self.DIC.splitlines()))
        self.assertEqual(entries[0][:2], ("ação", "pR"))
        self.assertEqual(entries[1][:2], ("casa", "px"))
        self.assertEqual(expand_hunspell.pre_agreement_spelling(entries[0][2]), "acção")
        self.assertIsNone(expand_hunspell.pre_agreement_spelling(entries[1][2]))
        # After a lemma, fields are also separated by "$".
        self.assertEqual(expand_hunspell.pre_agreement_spelling(entries[3][2]), "actriz")
        self.assertEqual(expand_hunspell.lemma_of(entries[3][2]), "ator")
        self.assertIsNone(expand_hunspell.lemma_of(entries[0][2]))

    def test_spelling_changes(self):
        change = expand_hunspell.spelling_change("refletir", "reflectir")
        self.assertEqual(change, (5, "", "c"))
        apply = expand_hunspell.apply_change
        self.assertEqual(apply(change, "refletir", "reflete"), "reflecte")
        # A stem vowel that alternates just before the change.
        self.assertEqual(apply(change, "refletir", "reflito"), "reflicto")
        # Not the same place: the letter after the change differs.
        self.assertIsNone(apply(change, "refletir", "reflexo"))
        self.assertEqual(expand_hunspell.spelling_change("ação", "acção"), (1, "", "c"))

    def test_pre_agreement_entries(self):
        entries = [("projeto-lei", "", "PREAO90=projecto-lei,CAT=nc"),
                   ("projetos-lei", "", "$projeto-lei$PREAO90=projecto-lei,CAT=nc$N=p"),
                   ("atriz", "p", "$ator$PREAO90=actriz,CAT=nc"),
                   ("refletir", "YL", "PREAO90=reflectir,CAT=v"),
                   ("reflete", "L", "$refletir$CAT=v$P=3"),
                   ("casa", "p", "CAT=nc")]
        self.assertEqual(list(expand_hunspell.pre_agreement_entries(entries)),
                         [("projecto-lei", ""), ("projectos-lei", ""), ("actriz", "p"),
                          ("reflectir", "YL"), ("reflecte", "L")])

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
            self.assertEqual(set(f.read().split()), {"ação", "ações", "casa", "casas", "ex-casa",
                                                     "ex-casas", "atriz", "refletir", "reflete"})
        with open(old, encoding="utf-8") as f:
            self.assertEqual(set(f.read().split()),
                             {"acção", "acções", "actriz", "reflectir", "reflecte"})


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
        write(english, "Post\npost\nfalls\nrock\nRock\nGeorge\nGeorge's\nunited\niPad\nsilva\n")
        out = os.path.join(d, "names.txt")
        run_script("gazetteer.py", "--iso-codes", "--npm-names", npm,
                   "--english-names", english, "--english", english,
                   "--locale-dir", os.path.join(d, "locale"),
                   "--iso-json-dir", os.path.join(d, "json"),
                   "--lusophone", "BR", "PT", "--out", out)
        with open(out, encoding="utf-8") as f:
            words = f.read().split("\n")[:-1]
        self.assertEqual(words, sorted(words))
        self.assertEqual(set(words), {"Rio", "de", "Janeiro", "Branco", "São", "Paulo",
                                      "Little", "States", "George", "iPad"})

        # Each source is optional; foreign person names lose common English words.
        write(npm, "x\tforeign\tpost\nx\tforeign\thaddad\nx\tlocal\tsilva\n")
        run_script("gazetteer.py", "--npm-names", npm, "--english", english, "--out", out)
        with open(out, encoding="utf-8") as f:
            self.assertEqual(f.read().split(), ["haddad", "silva"])


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
        counts = measure_rate.count_flagged(measure_rate.read_tokens([text]),
                                            measure_rate.load_dictionary(dic))
        self.assertEqual(counts.tokens, 8)
        self.assertEqual(dict(counts.flagged), {cp("Água"): 1, b"ca": 1, b"sa": 1, b"nova": 1})
        # "Água" begins with a capital; "ca", "sa" and "nova" in lower case.
        self.assertEqual(counts.lower_case, 3)


class HunspellBrazilianTest(unittest.TestCase):
    DIC = ("\ufeff7\n"
           "fim de semana\n"
           "pão de ló\n"
           "boca de urna/B\n"
           "in loco\n"
           "Porto Rico/9\n"
           "Av.\n"
           "págs./Ý\n"
           "a.C.\n"
           "sex.\n")

    def setUp(self):
        self.dir = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.dir)
        self.dic = os.path.join(self.dir, "pt_BR.dic")
        write(self.dic, self.DIC)

    def test_compounds_with_a_connective(self):
        self.assertTrue(hyphenated_compounds.is_connected_compound("fim de semana"))
        self.assertTrue(hyphenated_compounds.is_connected_compound("maria vai com as outras"))
        self.assertFalse(hyphenated_compounds.is_connected_compound("in loco"))
        self.assertFalse(hyphenated_compounds.is_connected_compound("Porto Rico"))
        self.assertFalse(hyphenated_compounds.is_connected_compound("São João de Meriti"))
        self.assertEqual(hyphenated_compounds.regular_plurals("fim"), ["fins"])
        self.assertEqual(hyphenated_compounds.regular_plurals("colar"), ["colares"])
        self.assertEqual(hyphenated_compounds.regular_plurals("marechal"), ["marechais"])

    def test_hyphenated_spellings_and_confirmed_plurals(self):
        known = os.path.join(self.dir, "forms.txt")
        out = os.path.join(self.dir, "out.txt")
        # "pãos" and "pões" are not words: only "pães" is written.
        write(known, "fins\npães\nbocas\n")
        run_script("hyphenated_compounds.py", "--dic", self.dic, "--known", known, "--out", out)
        with open(out, encoding="utf-8") as f:
            self.assertEqual(f.read().split(), ["boca-de-urna", "bocas-de-urna", "fim-de-semana",
                                                "fins-de-semana", "pães-de-ló", "pão-de-ló"])

    def test_abbreviations_as_the_scanner_cuts_them(self):
        english = os.path.join(self.dir, "english.txt")
        out = os.path.join(self.dir, "out.txt")
        write(english, "sex\nSex\nhot\n")
        run_script("abbreviations.py", "--dic", self.dic, "--english", english, "--out", out)
        with open(out, encoding="utf-8") as f:
            # "sex." is left out: "sex" is a common English word, and so a loan.
            self.assertEqual(f.read().split(), ["Av", "C", "a", "págs"])
        self.assertEqual(list(abbreviations.abbreviations(self.DIC.splitlines())),
                         ["Av.", "págs.", "a.C.", "sex."])


class NeologismRecallTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, self.dir)
        self.list = os.path.join(self.dir, "neologisms.tsv")
        self.dic = os.path.join(self.dir, "dict.txt")

    def recall(self, dictionary_words, minimum):
        with open(self.dic, "wb") as f:
            f.write(b"".join(cp(w) + b"\r\n" for w in dictionary_words))
        return subprocess.run([sys.executable, os.path.join(HERE, "neologism_recall.py"),
                               self.dic, "--list", self.list, "--min-percent", str(minimum)],
                              capture_output=True, text=True)

    def test_share_reported_with_the_program_rules(self):
        write(self.list, "word\tkind\ntuitar\tadapted-loan-verb\ntextão\tnative-coinage\n"
                         "crush\tunadapted-loan\nlacração\tsuffixed\n")
        # "TUITAR" folds to "tuitar"; "TEXTÃO" folds to "textÃo", not "textão".
        done = self.recall(["TUITAR", "TEXTÃO", "casa"], 75)
        self.assertEqual(done.returncode, 0, done.stdout)
        self.assertIn("3 of 4 neologisms reported: 75.0%", done.stdout)
        self.assertIn("hidden: tuitar", done.stdout)
        done = self.recall(["TUITAR", "crush"], 75)
        self.assertEqual(done.returncode, 1, done.stdout)

    def test_rejects_a_list_the_scanner_cannot_read(self):
        write(self.list, "word\tkind\npós verdade\tprefixed\n")
        with self.assertRaises(SystemExit):
            neologism_recall.read_neologisms(self.list)
        write(self.list, "tuitar\tadapted-loan-verb\n")
        with self.assertRaises(SystemExit):
            neologism_recall.read_neologisms(self.list)

    def test_committed_list(self):
        neologisms = neologism_recall.read_neologisms(neologism_recall.DEFAULT_LIST)
        self.assertGreaterEqual(len(neologisms), 80)
        words = [w for w, _ in neologisms]
        self.assertEqual(len(words), len(set(words)))
        self.assertLessEqual({k for _, k in neologisms},
                             {"adapted-loan-verb", "native-coinage", "prefixed", "suffixed",
                              "unadapted-loan"})


if __name__ == "__main__":
    unittest.main()
