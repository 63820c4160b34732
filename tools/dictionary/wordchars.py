"""The scanner's word rule and the table's case folding, on cp1252 bytes.

Kept identical to detection/WordChars.cpp and dictionary/DictionaryTable.cpp:
a dictionary entry matters only if the scanner can produce it, and the
measured rate only agrees with the program if both fold the same way.
"""

import re

# á é í ó ú â ê î ô û ã õ à è ì ò ù ä ë ï ö ü ç ý ÿ, lower then upper case.
ACCENTED_LOWER = "áéíóúâêîôûãõàèìòùäëïöüçýÿ"
ACCENTED_UPPER = "ÁÉÍÓÚÂÊÎÔÛÃÕÀÈÌÒÙÄËÏÖÜÇÝŸ"

WORD_BYTES = frozenset(
    list(range(ord("A"), ord("Z") + 1))
    + list(range(ord("a"), ord("z") + 1))
    + [ord("-")]
    + list((ACCENTED_LOWER + ACCENTED_UPPER).encode("cp1252"))
)

# One class of exactly those bytes, for bytes regular expressions.
_CLASS = b"[" + b"".join(re.escape(bytes([b])) for b in sorted(WORD_BYTES)) + b"]"
WORD_RUN = re.compile(_CLASS + b"+")
WHOLE_WORD = re.compile(_CLASS + b"+\\Z")

# Case pairs for the accented letters: str.upper() alone would also map
# letters outside the word rule (ß -> SS), so the variants use this table.
UPPER_OF = dict(zip(ACCENTED_LOWER, ACCENTED_UPPER))
UPPER_OF.update({chr(c): chr(c - 32) for c in range(ord("a"), ord("z") + 1)})

_FOLD = bytes(c + 32 if 65 <= c <= 90 else c for c in range(256))


def fold(word: bytes) -> bytes:
    """A to Z become a to z; every other byte stays (as the table does)."""
    return word.translate(_FOLD)


def encode(text: str):
    """The cp1252 bytes of text, or None when a character has no cp1252 form."""
    try:
        return text.encode("cp1252")
    except UnicodeEncodeError:
        return None


def is_word(word: bytes) -> bool:
    """True when the scanner can produce word as one whole word."""
    return WHOLE_WORD.match(word) is not None and not word.startswith(b"-") and not word.endswith(b"-")


def scanner_words(data: bytes):
    """The scanner's words of cp1252 bytes: runs of word bytes without the
    hyphens they begin or end with; hyphens alone are no word."""
    words = (m.group().strip(b"-") for m in WORD_RUN.finditer(data))
    return [word for word in words if word]


def split_words(text: str):
    """The scanner's words of text, as str (characters without a cp1252 form
    separate words, as '?' would in the converted text)."""
    data = text.encode("cp1252", errors="replace")
    return [word.decode("cp1252") for word in scanner_words(data)]
