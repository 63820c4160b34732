"""The list of foreign words, made from small word lists in a temporary folder."""
import os
import subprocess
import sys
import tempfile
import unittest

TOOL = os.path.join(os.path.dirname(os.path.abspath(__file__)), "foreign_words.py")
NAMES = ["american-english", "british-english", "french", "spanish", "italian", "ngerman",
         "brazilian", "portuguese"]


class ForeignWordsTest(unittest.TestCase):
    def make(self, lists):
        folder = tempfile.mkdtemp()
        self.addCleanup(lambda: subprocess.run(["rm", "-rf", folder], check=True))
        for name in NAMES:
            with open(os.path.join(folder, name), "w", encoding="utf-8") as out:
                out.write("".join(word + "\n" for word in lists.get(name, [])))
        output = os.path.join(folder, "estrangeiras.txt")
        run = subprocess.run([sys.executable, TOOL, output, folder], capture_output=True, text=True)
        return run, output

    def test_lists_foreign_words_in_lower_case_windows_1252_without_portuguese_ones(self):
        run, output = self.make({
            "american-english": ["Online", "online", "real", "it's", "Zoë"],
            "french": ["réseau", "œuvre"],
            "spanish": ["real", "casa", "año"],
            "ngerman": ["Straße", "Öl"],
            "brazilian": ["real"],
            "portuguese": ["casa"],
        })
        self.assertEqual(run.returncode, 0, run.stderr)
        with open(output, "rb") as listed:
            words = [line for line in listed.read().split(b"\n") if line and not line.startswith(b"#")]
        # Portuguese words out, no apostrophes, and no letter the scanner
        # does not make words of (ñ, œ, ß): such a word is never a candidate.
        self.assertEqual(words, [b"online", "r\u00e9seau".encode("cp1252"), "zo\u00eb".encode("cp1252"),
                                 "\u00f6l".encode("cp1252")])

    def test_names_the_missing_package(self):
        folder = tempfile.mkdtemp()
        self.addCleanup(lambda: subprocess.run(["rm", "-rf", folder], check=True))
        run = subprocess.run([sys.executable, TOOL, os.path.join(folder, "out.txt"), folder],
                             capture_output=True, text=True)
        self.assertNotEqual(run.returncode, 0)
        self.assertIn("wngerman", run.stderr)
        self.assertFalse(os.path.exists(os.path.join(folder, "out.txt")))


if __name__ == "__main__":
    unittest.main()
