// What the decoder makes of each kind of input, the same bytes on every
// platform, and the same whatever the blocks it comes in.
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "frasor/EncodedText.h"
#include "frasor/TextDecoder.h"

using frasor::TextEncoding;
using frasor_testing::Decoded;
using frasor_testing::DecodedInTwo;
using frasor_testing::Utf16;

namespace {

// The decoder gives `expected` for `bytes` in pieces of every small size,
// whole, and cut in two at every place.
void ExpectInAnyPieces(std::string_view bytes, std::string_view expected,
                       TextEncoding encoding = TextEncoding::Utf8) {
  for (std::size_t pieceSize = 1; pieceSize <= 5; ++pieceSize) {
    EXPECT_EQ(Decoded(bytes, pieceSize, encoding), expected) << "pieces of " << pieceSize;
  }
  EXPECT_EQ(Decoded(bytes, bytes.size() + 1, encoding), expected) << "whole";
  for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
    EXPECT_EQ(DecodedInTwo(bytes, cut, encoding), expected) << "cut at " << cut;
  }
}

void ExpectUtf16InAnyPieces(const std::u32string& codePoints, std::string_view expected) {
  ExpectInAnyPieces(Utf16(codePoints, false), expected, TextEncoding::Utf16LittleEndian);
  ExpectInAnyPieces(Utf16(codePoints, true), expected, TextEncoding::Utf16BigEndian);
}

}  // namespace

TEST(TextDecoder, ComposesAnAccentRightAfterAnAsciiRun) {
  ExpectInAnyPieces("Um texto bem longo de Jose\xCC\x81 e Ine\xCC\x82s.",
                    "Um texto bem longo de Jos\xE9 e In\xEAs.");
}

TEST(TextDecoder, ComposesAnAccentWithALatin1Letter) {
  // A + ring gives the Latin-1 "\xC5"; "\xE2" + acute and "\xFC" + macron give
  // letters that Windows-1252 lacks; a cedilla under "\xE7" gives nothing new.
  ExpectInAnyPieces("AAAAAAAAA\xCC\x8A \xC3\xA2\xCC\x81 \xC3\xBC\xCC\x84 \xC3\xA7\xCC\xA7 fim",
                    "AAAAAAAA\xC5 \x1A \x1A \xE7\x1A fim");
}

TEST(TextDecoder, ComposesAnAccentAtTheStartOfTheNextBlock) {
  // "e" ends the first block and "\xE2" the second; a combining acute starts
  // the next one, and gives a letter that Windows-1252 lacks after "\xE2".
  frasor::TextDecoder decoder(TextEncoding::Utf8);
  std::string text(decoder.Decode("Caf\xC3\xA9 e cafe", false));
  text += decoder.Decode("\xCC\x81 e ma\xC3\xA7\xC3\xA2", false);
  text += decoder.Decode("\xCC\x81", false);
  text += decoder.Decode({}, true);
  EXPECT_EQ(text, "Caf\xE9 e caf\xE9 e ma\xE7\x1A");
}

TEST(TextDecoder, NormalisesMarksInAnyOrderAndBeyondLatin) {
  // Marks below and above in either order; a mark that stands for another;
  // signs whose normal form is a letter; Hangul jamo that make one syllable;
  // a musical note whose normal form is two characters.
  ExpectInAnyPieces("a\xCC\x96\xCC\x81 a\xCC\x81\xCC\x96 a\xCD\x80", "\xE1\x1A \xE1\x1A \xE0");
  ExpectInAnyPieces("\xE2\x84\xAB \xE2\x84\xA6 \xE1\x84\x80\xE1\x85\xA1 \xF0\x9D\x85\x9F",
                    "\xC5 \x1A \x1A \x1A\x1A");
  ExpectUtf16InAnyPieces({U'a', 0x316, 0x301, U' ', 0x212B, U' ', 0x1100, 0x1161, U' ', 0x1D15F},
                         "\xE1\x1A \xC5 \x1A \x1A\x1A");
}

TEST(TextDecoder, GivesOneSubstituteForEachCharacterWindows1252Lacks) {
  // Outside the Basic Multilingual Plane a character is one substitute, not
  // one for each of its UTF-16 units; so are noncharacters, and U+0080,
  // whose byte in Windows-1252 is the euro sign's.
  ExpectInAnyPieces(
      "\xF0\x9F\x98\x80\xF0\x90\x90\x80 \xEF\xBF\xBE\xF0\x9F\xBF\xBF \xC2\x80\xE2\x82\xAC",
      "\x1A\x1A \x1A\x1A \x1A\x80");
  ExpectUtf16InAnyPieces({0x1F600, 0x10400, U' ', 0xFFFE, 0x1FFFF, U' ', 0x80, 0x20AC},
                         "\x1A\x1A \x1A\x1A \x1A\x80");
  // A noncharacter between a letter and its accent keeps them apart.
  ExpectInAnyPieces("e\xEF\xBF\xBF\xCC\x81 e\xCC\x81", "e\x1A\x1A \xE9");
}

TEST(TextDecoder, LeavesOutInvisibleFormatCharacters) {
  // A zero-width space, a byte-order mark inside the text, a tag, a
  // grapheme joiner that keeps a letter from its accent, and a variation
  // selector after an emoji; the soft hyphen has a byte of its own.
  ExpectInAnyPieces(
      "a\xE2\x80\x8B"
      "b\xEF\xBB\xBF"
      "c\xF3\xA0\x81\x81"
      "d\xCD\x8F\xCC\x81 \xF0\x9F\x98\x80\xEF\xB8\x8F \xC2\xAD",
      "abcd\x1A \x1A \xAD");
  ExpectUtf16InAnyPieces({U'a', 0x200B, U'b', 0xFEFF, U'c', 0xE0041, U'd'}, "abcd");
}

TEST(TextDecoder, ReplacesEachMaximalSubpartOfIllFormedUtf8) {
  // A lead byte cut short by the end, or by another character; bytes that
  // begin no sequence; overlong forms, surrogates and code points above
  // U+10FFFF, whose bytes each stand alone; the longest start of a sequence
  // that a byte breaks, as one.
  ExpectInAnyPieces("abc\xC3", "abc\x1A");
  ExpectInAnyPieces("abc\xC3X\xC3\xA9", "abc\x1AX\xE9");
  ExpectInAnyPieces("\x80\xBF \xFE\xFF \xF8\x88\x80\x80\x80",
                    "\x1A\x1A \x1A\x1A \x1A\x1A\x1A\x1A\x1A");
  ExpectInAnyPieces("\xC0\xAF \xE0\x9F\xBF \xED\xA0\x80 \xF4\x90\x80\x80",
                    "\x1A\x1A \x1A\x1A\x1A \x1A\x1A\x1A \x1A\x1A\x1A\x1A");
  ExpectInAnyPieces(
      "\xE2\x82\xC3\xA9 \xF0\x9F\x98"
      "A \xE0\xA0",
      "\x1A\xE9 \x1A"
      "A \x1A");
  // A substitute between a letter and its accent keeps them apart.
  ExpectInAnyPieces("e\xE2\x82\xCC\x81", "e\x1A\x1A");
}

TEST(TextDecoder, ReplacesLoneSurrogatesAndUnitsCutShortInUtf16) {
  constexpr char32_t Lead = 0xD800, Trail = 0xDC00;
  ExpectUtf16InAnyPieces({U'A', Lead, U'B', Trail, U'C'},
                         "A\x1A"
                         "B\x1A"
                         "C");
  // A lead before a pair is one substitute, the pair another.
  ExpectUtf16InAnyPieces({U'A', Lead, Lead, Trail}, "A\x1A\x1A");
  ExpectUtf16InAnyPieces({U'A', Lead}, "A\x1A");
  // A lead surrogate and half a unit at the end are one substitute together;
  // a trail surrogate before half a unit is one of its own.
  std::string cutShort = Utf16({U'A', Lead}, false) + "B";
  ExpectInAnyPieces(cutShort, "A\x1A", TextEncoding::Utf16LittleEndian);
  ExpectInAnyPieces(Utf16({U'A', Trail}, true) + "B", "A\x1A\x1A", TextEncoding::Utf16BigEndian);
  ExpectInAnyPieces(Utf16({U'A'}, false) + "B", "A\x1A", TextEncoding::Utf16LittleEndian);
}

TEST(TextDecoder, GivesTheSameTextInEveryPieceSize) {
  // The text of mixed input whole is the text of it in pieces: what a block
  // boundary splits comes out whole with the later block.
  std::string utf8 = frasor_testing::MixedUtf8(30000, 1252);
  std::string whole = Decoded(utf8, utf8.size() + 1);
  EXPECT_GT(whole.size(), utf8.size() / 3);
  for (std::size_t pieceSize :
       {std::size_t{1}, std::size_t{3}, std::size_t{64}, std::size_t{4093}}) {
    EXPECT_EQ(Decoded(utf8, pieceSize), whole) << "pieces of " << pieceSize;
  }
  for (bool bigEndian : {false, true}) {
    TextEncoding encoding =
        bigEndian ? TextEncoding::Utf16BigEndian : TextEncoding::Utf16LittleEndian;
    std::string utf16 = Utf16(frasor_testing::MixedUtf16CodePoints(10000, 1252), bigEndian) + "A";
    std::string wholeUtf16 = Decoded(utf16, utf16.size() + 1, encoding);
    EXPECT_GT(wholeUtf16.size(), utf16.size() / 6);
    for (std::size_t pieceSize : {std::size_t{1}, std::size_t{3}, std::size_t{4093}}) {
      EXPECT_EQ(Decoded(utf16, pieceSize, encoding), wholeUtf16) << "pieces of " << pieceSize;
    }
  }
}
