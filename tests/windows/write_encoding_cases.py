#!/usr/bin/env python3
"""Writes the encoding cases of the segmenter's parity check to FOLDER.

    write_encoding_cases.py FOLDER

Each file is an input for frasor.exe: the inputs of tests/frasor as files,
the seeds of fuzz/corpus/SegmenterFuzzer as the fuzz target expands them,
and texts of every kind of character, well-formed and not, in UTF-8 and
UTF-16 of either order, laid so that the segmenter's 256 KiB blocks end
inside their sequences. The same files every time.
"""
import pathlib
import random
import sys

BLOCK = 1 << 18  # frasor's reading block
BOM = {"utf8": b"\xef\xbb\xbf", "utf16le": b"\xff\xfe", "utf16be": b"\xfe\xff"}


def utf16(text, order):
    """UTF-16 of `text`, whose lone surrogates stand as they are."""
    return text.encode("utf-16-le" if order == "utf16le" else "utf-16-be", "surrogatepass")


def cp1252_to_text(data):
    """Windows-1252 bytes as text, its five unassigned bytes as C1 controls."""
    return "".join(bytes([b]).decode("cp1252") if b not in b"\x81\x8d\x8f\x90\x9d" else chr(b)
                   for b in data)


# What the decoder tests feed the decoder (tests/frasor/TextDecoderTest.cpp).
UTF8_CASES = [
    b"Um texto bem longo de Jose\xcc\x81 e Ine\xcc\x82s.",
    b"AAAAAAAAA\xcc\x8a \xc3\xa2\xcc\x81 \xc3\xbc\xcc\x84 \xc3\xa7\xcc\xa7 fim",
    b"Caf\xc3\xa9 e cafe\xcc\x81 e ma\xc3\xa7\xc3\xa2\xcc\x81",
    b"a\xcc\x96\xcc\x81 a\xcc\x81\xcc\x96 a\xcd\x80",
    b"\xe2\x84\xab \xe2\x84\xa6 \xe1\x84\x80\xe1\x85\xa1 \xf0\x9d\x85\x9f",
    b"\xf0\x9f\x98\x80\xf0\x90\x90\x80 \xef\xbf\xbe\xf0\x9f\xbf\xbf \xc2\x80\xe2\x82\xac",
    b"e\xef\xbf\xbf\xcc\x81 e\xcc\x81",
    b"a\xe2\x80\x8bb\xef\xbb\xbfc\xf3\xa0\x81\x81d\xcd\x8f\xcc\x81"
    b" \xf0\x9f\x98\x80\xef\xb8\x8f \xc2\xad",
    b"abc\xc3",
    b"abc\xc3X\xc3\xa9",
    b"\x80\xbf \xfe\xff \xf8\x88\x80\x80\x80",
    b"\xc0\xaf \xe0\x9f\xbf \xed\xa0\x80 \xf4\x90\x80\x80",
    b"\xe2\x82\xc3\xa9 \xf0\x9f\x98A \xe0\xa0",
    b"e\xe2\x82\xcc\x81",
    b"ab\xe2\x82\xc3\xa9 ok \xc3\xc3\xa9\xc3 \xc1\xbf"
    b" \x80\xbf\xc2\x9f\xc2 \xf0\x9f\xc3\xa9\xcc\x81",
]
UTF16_CASES = [
    "a\u0316\u0301 \u212b \u1100\u1161 \U0001d15f",
    "\U0001f600\U00010400 \ufffe\U0001ffff \u0080\u20ac",
    "a\u200bb\ufeffc\U000e0041d",
    "A\ud800B\udc00C",
    "A\ud800\ud800\udc00",
    "A\ud800",
    "A\udc00",
]

# Pieces of text of every kind, for the mixed texts.
FRAGMENTS = [
    "a", "e", "o", "C", " ", ".", "\r\n", "\n\n", "palavra ", "Fim. ", "\0", "\x1a",
    "\u00e9", "\u00e7", "\u00a0", "\u00ff", "\u00c0", "\u00ad", "\u0080", "\u0081", "\u0152",
    "\u0301", "\u0303", "\u0327", "\u0316", "\u0308\u0301", "\u0323\u0302", "\u0344", "\u0340",
    "\u03a9", "\u2014", "\u201c", "\u2026", "\ufb01", "\u212b", "\u1e17", "\u01d6",
    "\u1100\u1161", "\u11a8", "\u0915\u093c", "\u0b47\u0b3e", "\U0001f600", "\U0001d15f",
    "\U00011099\U000110ba", "\u200b", "\ufeff", "\ufe0f", "\U000e0041", "\u034f", "\ufffe",
    "\U0001ffff", "\ufffd", "\u0378",
]
EVERY_CODE_POINT = [c for c in list(range(0x32400)) + list(range(0xE0000, 0xE1000))
                    if not 0xD800 <= c <= 0xDFFF]
# Combining marks: Latin, Cyrillic, Hebrew, Arabic, Devanagari, Tibetan,
# extended and supplementary diacritics, marks for symbols, kana voicing,
# half marks, musical notation.
MARK_RANGES = [(0x0300, 0x036F), (0x0483, 0x0489), (0x05B0, 0x05BD), (0x064B, 0x065F),
               (0x093C, 0x094D), (0x0F71, 0x0F84), (0x1AB0, 0x1ACE), (0x1DC0, 0x1DFF),
               (0x20D0, 0x20F0), (0x3099, 0x309A), (0xFE20, 0xFE2F), (0x1D165, 0x1D172)]
ILL_FORMED_UTF8 = [b"\xc3", b"\xe2\x82", b"\xff", b"\xed\xa0\x80", b"\xf0\x9f\x98", b"\xc0\xaf",
                   b"\xf4\x90\x80\x80", b"\x80"]
LONE_SURROGATES = ["\ud800", "\udbff", "\udc00", "\udfff"]


def mixed_utf8(size, rng):
    data = bytearray()
    while len(data) < size:
        if rng.random() < 0.08:
            data += rng.choice(ILL_FORMED_UTF8)
        else:
            data += rng.choice(FRAGMENTS).encode("utf-8")
    return bytes(data)


def mixed_text(size, rng):
    text = []
    while len(text) < size:
        text.append(rng.choice(LONE_SURROGATES) if rng.random() < 0.05 else rng.choice(FRAGMENTS))
    return "".join(text)


def fuzz_seed_input(seed):
    """The input file that SegmenterFuzzer makes of `seed` (MakeInput)."""
    mode, pad, filler = (list(seed[:3]) + [0, 0, 0])[:3]
    rest = seed[3:]
    unit = 2 if mode % 6 in (2, 3) else 1
    borders = [10000, (1 << 16) // unit] + ([BLOCK // unit] if filler % 4 == 0 else [])
    if pad < 240:
        length = pad // 4 * 7
    else:
        step = pad - 240
        before = 1 + step // len(borders) * 251
        length = max(borders[step % len(borders)] - before, 0)
    unit_text = ["a", "Fim. ", "a\n", "\r\n"][filler % 4]
    padding = (unit_text * (length // len(unit_text) + 1))[:length]
    kind = mode % 6
    if kind == 1:
        return BOM["utf8"] + padding.encode() + rest
    if kind in (2, 3):
        order = "utf16le" if kind == 2 else "utf16be"
        return BOM[order] + utf16(padding, order) + rest
    if kind == 4:
        return padding.encode() + cp1252_to_text(rest).encode("utf-8")
    if kind == 5:
        return padding.encode() + rest.decode("utf-16-le", "replace").encode("utf-8")
    return padding.encode() + rest


def main():
    folder = pathlib.Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    cases = {}

    # tests/frasor/SegmentFileTest.cpp
    text = "Ele \u00e9 o Jo\u00e3o. A\u00e7\u00e3o come\u00e7ou!\n"
    cases["segment-cp1252"] = text.encode("cp1252")
    cases["segment-utf8"] = text.encode("utf-8")
    cases["segment-utf8-bom"] = BOM["utf8"] + text.encode("utf-8")
    for order in ("utf16le", "utf16be"):
        cases["segment-" + order] = BOM[order] + utf16(text, order)
        cases["lone-surrogates-" + order] = BOM[order] + utf16("A\ud800B e C\udc00.", order)
        cases["lone-lead-at-end-" + order] = BOM[order] + utf16("Fim\ud800", order)
    cases["cp1252-and-utf8"] = b"Caf\xe9 e p\xc3\xa3o."
    cases["cp1252-c1"] = b"\x93Sim\x94, disse \x97 e foi\x85"
    cases["decomposed"] = "Jose\u0301 e Cec\u00edlia.\n".encode("utf-8")
    cases["substitutes"] = ("Letra \u03a9 e \U0001f600 aqui.\nFim\x1a de texto. "
                            "Dividido por \u03c0 e depois por \u03c0. Fim.").encode("utf-8")
    lines = bytearray()
    while len(lines) < 700000:
        number = len(lines)
        end = ".\n" if number % 7 == 0 else "\n"
        lines += ("Cafe\u0301 %d \u2014 s%s" % (number, end)).encode()
    cases["blocks-decomposed-utf8"] = bytes(lines)
    tails = (b"\xf4\x8f\xbf\xbf \xef\xbf\xbe \xed\x9f\xbf", b"\xed\xa0\x80", b"\xe2\x82 ", b"\xc3")
    for tail in tails:
        cases["detect-%s" % tail.hex()] = b"Uma frase com a\xc3\xa7\xc3\xa3o " + tail
    for ascii in range((1 << 16) - 4, (1 << 16) + 1):
        cases["detect-block-%d" % ascii] = b"a" * ascii + b"\xf0\x9f\x98\x80\xbf" + b"a" * ascii

    # tests/frasor/TextDecoderTest.cpp, with a byte-order mark so that
    # ill-formed UTF-8 is read as UTF-8
    for number, case in enumerate(UTF8_CASES):
        cases["decoder-utf8-%02d" % number] = BOM["utf8"] + case
    for number, case in enumerate(UTF16_CASES):
        for order in ("utf16le", "utf16be"):
            cases["decoder-%s-%02d" % (order, number)] = BOM[order] + utf16(case, order)
            cases["decoder-%s-%02d-odd" % (order, number)] = BOM[order] + utf16(case, order) + b"B"

    # fuzz/corpus/SegmenterFuzzer, as the fuzz target expands its seeds
    seeds = pathlib.Path(__file__).resolve().parents[2] / "fuzz" / "corpus" / "SegmenterFuzzer"
    for seed in sorted(seeds.iterdir()):
        cases["fuzz-" + seed.name] = fuzz_seed_input(seed.read_bytes())

    # Sequences astride the end of the first block, at every place.
    astride = {
        "utf8": ["\U0001f600", "\u2014", "e\u0301", "e\u0308\u0301", "\u1100\u1161", "\ufeff"],
        "utf16le": ["\U0001f600", "e\u0301", "\ud800X", "\udc00"],
        "utf16be": ["\U0001f600", "e\u0301", "\ud800X"],
    }
    for encoding, pieces in astride.items():
        filler = "Fim. " * (BLOCK // 5)
        head = BOM[encoding] + (filler.encode() if encoding == "utf8" else utf16(filler, encoding))
        step = 1 if encoding == "utf8" else 2  # UTF-16 blocks end between units
        for number, piece in enumerate(pieces):
            encoded = piece.encode("utf-8") if encoding == "utf8" else utf16(piece, encoding)
            # `inside` bytes of the piece in the first block
            for inside in range(step, len(encoded) + 1, step):
                name = "astride-%s-%d-%d" % (encoding, number, inside)
                cases[name] = head[:BLOCK - inside] + encoded + b" fim."
    for inside in range(1, 4):
        head = BOM["utf8"] + b"a" * (BLOCK - 3 - inside)
        name = "astride-utf8-ill-formed-%d" % inside
        cases[name] = head + b"\xf0\x9f\x98" + b"\xf0\x9f\x98\x80 fim"

    # Mixed texts over several blocks, their block ends falling anywhere.
    rng = random.Random(1252)
    for number in range(6):
        cases["mixed-utf8-%d" % number] = BOM["utf8"] + mixed_utf8(700000 + number * 333, rng)
        for order in ("utf16le", "utf16be"):
            data = BOM[order] + utf16(mixed_text(200000 + number * 111, rng), order)
            cases["mixed-%s-%d" % (order, number)] = data + (b"B" if number % 2 else b"")
        cases["mixed-utf8-valid-%d" % number] = mixed_text(150000, rng).encode("utf-8", "replace")

    # Every code point of the first four planes and the tags, after a letter
    # and before an accent, and after each other: what the normaliser's
    # tables say of each.
    every = "".join("%s\u0301 a%s\u0301 " % (chr(c), chr(c)) for c in EVERY_CODE_POINT)
    for number, start in enumerate(range(0, len(every), 120000)):
        cases["every-code-point-%02d" % number] = BOM["utf8"] + every[start:start + 120000].encode(
            "utf-8", "surrogatepass")
    # Combining marks of many classes in random order after letters.
    marks = [chr(c) for first, last in MARK_RANGES for c in range(first, last + 1)]
    for number in range(2):
        text = []
        while len(text) < 200000:
            text.append(rng.choice("aeoAEcnCN\u00e7\u00e2\u03b1\u0415\u1100\u0915 "))
            text.extend(rng.choice(marks) for _ in range(rng.randint(1, 4)))
        cases["marks-%d" % number] = BOM["utf8"] + "".join(text).encode("utf-8")

    for name, data in cases.items():
        (folder / (name + ".txt")).write_bytes(data)
    print("%d encoding cases in %s" % (len(cases), folder))


if __name__ == "__main__":
    main()
