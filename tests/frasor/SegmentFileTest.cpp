#include <unicode/ucnv.h>
#include <unicode/unorm2.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "frasor/IcuConverter.h"
#include "frasor/SegmentFile.h"
#include "frasor/TextDecoder.h"
#include "frasor/TextEncoding.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

// Two sentences with accented letters, in Windows-1252, and their .seg.
const std::string Windows1252Text = "Ele \xE9 o Jo\xE3o. A\xE7\xE3o come\xE7ou!\n";
const std::string ExpectedSegmented = "Ele \xE9 o Jo\xE3o.\r\nA\xE7\xE3o come\xE7ou!\r\n";
const std::string Utf8Text = "Ele \xC3\xA9 o Jo\xC3\xA3o. A\xC3\xA7\xC3\xA3o come\xC3\xA7ou!\n";

// The code points of `codePoints` as UTF-16 bytes.
std::string Utf16(const std::u32string& codePoints, bool bigEndian) {
  std::string bytes;
  auto unit = [&](std::uint16_t u) {
    char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  };
  for (char32_t c : codePoints) {
    if (c < 0x10000) {
      unit(static_cast<std::uint16_t>(c));
    } else {
      unit(static_cast<std::uint16_t>(0xD800 + ((c - 0x10000) >> 10)));
      unit(static_cast<std::uint16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
  }
  return bytes;
}

std::u32string Latin1CodePoints(const std::string& text) {
  std::u32string codePoints;
  for (char c : text) codePoints += static_cast<char32_t>(static_cast<unsigned char>(c));
  return codePoints;
}

class SegmentFileTest : public ::testing::Test {
 protected:
  // Segments a file holding `bytes` and returns its .seg.
  std::string Segment(const std::string& bytes) {
    std::string input = dir_ / "texto.txt";
    WriteBytes(input, bytes);
    frasor::SegmentFile(input);
    EXPECT_TRUE(platform::FileExists(frasor::ReadinessName(input)));
    return ReadBytes(frasor::SegmentedName(input));
  }

  // The encoding judged for a file holding `bytes`.
  frasor::TextEncoding Detect(const std::string& bytes) {
    std::string input = dir_ / "codificado.txt";
    WriteBytes(input, bytes);
    return frasor::DetectEncoding(input).encoding;
  }

  TempDir dir_;
};

}  // namespace

TEST_F(SegmentFileTest, EveryEncodingGivesTheSameWindows1252Text) {
  EXPECT_EQ(Segment(Windows1252Text), ExpectedSegmented);
  EXPECT_EQ(Segment(Utf8Text), ExpectedSegmented);
  EXPECT_EQ(Segment("\xEF\xBB\xBF" + Utf8Text), ExpectedSegmented);
  std::u32string codePoints = Latin1CodePoints(Windows1252Text);
  EXPECT_EQ(Segment("\xFF\xFE" + Utf16(codePoints, false)), ExpectedSegmented);
  EXPECT_EQ(Segment("\xFE\xFF" + Utf16(codePoints, true)), ExpectedSegmented);
}

TEST_F(SegmentFileTest, ReadsTextThatIsNotValidUtf8AsWindows1252) {
  // "é" in Windows-1252 between UTF-8 "ã": not UTF-8 as a whole.
  EXPECT_EQ(Segment("Caf\xE9 e p\xC3\xA3o."), "Caf\xE9 e p\xC3\xA3o.\r\n");
  // Windows-1252 bytes without a Latin-1 code point stay as they are.
  EXPECT_EQ(Segment("\x93Sim\x94, disse \x97 e foi\x85"), "\x93Sim\x94, disse \x97 e foi\x85\r\n");
}

TEST_F(SegmentFileTest, TakesOnlyWellFormedUtf8ForUtf8) {
  using frasor::TextEncoding;
  const std::string text = "Uma frase com a\xC3\xA7\xC3\xA3o ";
  EXPECT_EQ(Detect("Only ASCII text.\n"), TextEncoding::Windows1252);
  EXPECT_EQ(Detect(""), TextEncoding::Windows1252);
  // The highest code point, noncharacters and the code points around the
  // surrogates are well-formed.
  EXPECT_EQ(Detect(text + "\xF4\x8F\xBF\xBF \xEF\xBF\xBE \xED\x9F\xBF \xEE\x80\x80 \xE0\xA0\x80"),
            TextEncoding::Utf8);
  // Surrogates, overlong forms, code points above U+10FFFF, stray trail
  // bytes, bytes that never occur and a sequence cut short by the end.
  for (const std::string bad : {"\xED\xA0\x80", "\xC0\xAF", "\xC1\xBF", "\xE0\x9F\xBF",
                                "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\x80",
                                "\xC3\xA7\xBF", "\xFE", "\xE2\x82 ", "\xC3"}) {
    EXPECT_EQ(Detect(text + bad), TextEncoding::Windows1252) << testing::PrintToString(bad);
  }
}

TEST_F(SegmentFileTest, JudgesSequencesAtEveryPlaceOfAWord) {
  using frasor::TextEncoding;
  // After 0 to 17 ASCII bytes, so at every place of the eight-byte words
  // that ASCII is skipped by: a two-byte letter, then a broken one.
  for (std::size_t ascii = 0; ascii < 18; ++ascii) {
    std::string before(ascii, 'a');
    EXPECT_EQ(Detect(before + "\xC3\xA7" + before), TextEncoding::Utf8) << ascii;
    EXPECT_EQ(Detect(before + "\xC3\xA7" + before + "\xC3(" + before), TextEncoding::Windows1252)
        << ascii;
    EXPECT_EQ(Detect(before + "\xC3\xA7" + before + "\xA7" + before), TextEncoding::Windows1252)
        << ascii;
  }
}

TEST_F(SegmentFileTest, JudgesSequencesAcrossReadingBlocksWhole) {
  using frasor::TextEncoding;
  // A four-byte sequence astride every place around the end of the first
  // 64 KiB block of reading, whole or cut short by the end of the file.
  for (std::size_t ascii = (1 << 16) - 4; ascii <= (1 << 16); ++ascii) {
    std::string text(ascii, 'a');
    EXPECT_EQ(Detect(text + "\xF0\x9F\x98\x80"), TextEncoding::Utf8) << ascii;
    EXPECT_EQ(Detect(text + "\xF0\x9F\x98"), TextEncoding::Windows1252) << ascii;
    EXPECT_EQ(Detect(text + "\xF0\x9F\x98\x80\xBF" + text), TextEncoding::Windows1252) << ascii;
  }
}

TEST_F(SegmentFileTest, ComposesDecomposedLetters) {
  EXPECT_EQ(Segment("Jose\xCC\x81 e Cec\xC3\xADlia.\n"), "Jos\xE9 e Cec\xEDlia.\r\n");
}

TEST_F(SegmentFileTest, WritesQuestionMarksForCharactersWindows1252Lacks) {
  // Omega, an emoji (a surrogate pair in UTF-16) and byte 26 itself.
  EXPECT_EQ(Segment("Letra \xCE\xA9 e \xF0\x9F\x98\x80 aqui.\n"), "Letra ? e ? aqui.\r\n");
  EXPECT_EQ(Segment("Fim\x1A de texto."), "Fim? de texto.\r\n");
  // Substitutes do not end sentences as question marks would.
  EXPECT_EQ(Segment("Dividido por \xCF\x80 e depois por \xCF\x80. Fim."),
            "Dividido por ? e depois por ?.\r\nFim.\r\n");
}

TEST_F(SegmentFileTest, WritesAQuestionMarkForALoneSurrogate) {
  constexpr char32_t Lead = 0xD800, Trail = 0xDC00;
  std::u32string codePoints = {U'A', Lead, U'B', U' ', U'e', U' ', U'C', Trail, U'.'};
  EXPECT_EQ(Segment("\xFF\xFE" + Utf16(codePoints, false)), "A?B e C?.\r\n");
  EXPECT_EQ(Segment("\xFE\xFF" + Utf16({U'F', U'i', U'm', Lead}, true)), "Fim?\r\n");
}

TEST_F(SegmentFileTest, LargeFilesGiveTheSameTextAcrossBlockBoundaries) {
  // Decomposed "é" (e + U+0301) and three-byte "—" at every offset of the
  // reading blocks, in many short lines of wrapped-looking text.
  std::string utf8;
  std::string windows1252;
  for (int i = 0; utf8.size() < 700000; ++i) {
    std::string number = std::to_string(i);
    utf8 +=
        "Caf"
        "e\xCC\x81 " +
        number + " \xE2\x80\x94 s" + (i % 7 == 0 ? ".\n" : "\n");
    windows1252 += "Caf\xE9 " + number + " \x97 s" + (i % 7 == 0 ? ".\n" : "\n");
  }
  std::string expected = Segment(windows1252);
  EXPECT_GT(expected.size(), windows1252.size() / 2);
  EXPECT_EQ(Segment(utf8), expected);
}

TEST_F(SegmentFileTest, FailsWithoutReadinessFileWhenTheInputIsMissing) {
  std::string input = dir_ / "nada.txt";
  try {
    frasor::SegmentFile(input);
    FAIL() << "no error";
  } catch (const platform::FileError& error) {
    EXPECT_EQ(error.ExitStatus(), 2);
  }
  EXPECT_FALSE(platform::FileExists(frasor::SegmentedName(input)));
  EXPECT_FALSE(platform::FileExists(frasor::ReadinessName(input)));
}

namespace {

// What ICU alone makes of the whole of `utf8` at once: decoded, normalised
// to NFC and converted to Windows-1252 with SubstituteByte for the rest.
std::string IcuWindows1252(const std::string& utf8) {
  UErrorCode status = U_ZERO_ERROR;
  frasor::IcuConverter fromUtf8("UTF-8");
  std::vector<UChar> decoded(utf8.size() + 1);
  int32_t units =
      ucnv_toUChars(fromUtf8.Get(), decoded.data(), static_cast<int32_t>(decoded.size()),
                    utf8.data(), static_cast<int32_t>(utf8.size()), &status);
  const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
  std::vector<UChar> normalised(static_cast<std::size_t>(units) * 3 + 1);
  int32_t normalisedUnits = unorm2_normalize(nfc, decoded.data(), units, normalised.data(),
                                             static_cast<int32_t>(normalised.size()), &status);
  frasor::IcuConverter toWindows1252("windows-1252");
  ucnv_setSubstChars(toWindows1252.Get(), &frasor::SubstituteByte, 1, &status);
  std::string bytes(static_cast<std::size_t>(normalisedUnits) + 1, '\0');
  int32_t size =
      ucnv_fromUChars(toWindows1252.Get(), bytes.data(), static_cast<int32_t>(bytes.size()),
                      normalised.data(), normalisedUnits, &status);
  EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
  bytes.resize(static_cast<std::size_t>(size));
  return bytes;
}

// What the decoder makes of `utf8` fed in pieces of `pieceSize` bytes, then
// an empty last block, as SegmentFile feeds it.
std::string Decoded(std::string_view utf8, std::size_t pieceSize) {
  frasor::TextDecoder decoder(frasor::TextEncoding::Utf8);
  std::string text;
  for (std::size_t at = 0; at < utf8.size(); at += pieceSize) {
    text += decoder.Decode(utf8.substr(at, pieceSize), false);
  }
  text += decoder.Decode({}, true);
  return text;
}

// The decoder gives ICU's text for `utf8` whatever the pieces.
void ExpectIcuTextInAnyPieces(const std::string& utf8) {
  std::string expected = IcuWindows1252(utf8);
  for (std::size_t pieceSize : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7},
                                std::size_t{64}, std::size_t{4093}, utf8.size() + 1}) {
    EXPECT_EQ(Decoded(utf8, pieceSize), expected) << "pieces of " << pieceSize;
  }
  // Every place of a single cut between two blocks.
  for (std::size_t cut = 0; cut <= utf8.size() && utf8.size() <= 200; ++cut) {
    frasor::TextDecoder decoder(frasor::TextEncoding::Utf8);
    std::string text(decoder.Decode(std::string_view(utf8).substr(0, cut), false));
    text += decoder.Decode(std::string_view(utf8).substr(cut), true);
    EXPECT_EQ(text, expected) << "cut at " << cut;
  }
}

// The UTF-8 form of code point `c`.
std::string Utf8(char32_t c) {
  std::string bytes;
  if (c < 0x80) {
    bytes += static_cast<char>(c);
  } else if (c < 0x800) {
    bytes += static_cast<char>(0xC0 | (c >> 6));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    bytes += static_cast<char>(0xE0 | (c >> 12));
    bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    bytes += static_cast<char>(0xF0 | (c >> 18));
    bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  }
  return bytes;
}

}  // namespace

TEST(TextDecoder, ConvertsAsciiAndLatin1CharactersAsIcuDoes) {
  // Each code point up to U+00FF alone, after a long ASCII run and before one,
  // including the C1 controls, of which Windows-1252 has only some.
  std::string utf8;
  for (char32_t c = 0; c <= 0xFF; ++c) utf8 += "palavras " + Utf8(c) + " depois ";
  EXPECT_EQ(IcuWindows1252(Utf8(0xE9) + Utf8(0xA0) + Utf8(0xFF)), "\xE9\xA0\xFF");
  ExpectIcuTextInAnyPieces(utf8);
}

TEST(TextDecoder, ComposesAnAccentRightAfterAnAsciiRun) {
  const std::string utf8 = "Um texto bem longo de Jose\xCC\x81 e Ine\xCC\x82s.";
  EXPECT_EQ(Decoded(utf8, 1 << 16), "Um texto bem longo de Jos\xE9 e In\xEAs.");
  ExpectIcuTextInAnyPieces(utf8);
}

TEST(TextDecoder, ComposesAnAccentWithALatin1Letter) {
  // A + ring gives the Latin-1 "\xC5"; "\xE2" + acute and "\xFC" + macron give
  // letters that Windows-1252 lacks; a cedilla under "\xE7" gives nothing new.
  const std::string utf8 =
      "AAAAAAAAA\xCC\x8A \xC3\xA2\xCC\x81 \xC3\xBC\xCC\x84 \xC3\xA7\xCC\xA7 fim";
  EXPECT_EQ(Decoded(utf8, 1 << 16), "AAAAAAAA\xC5 \x1A \x1A \xE7\x1A fim");
  ExpectIcuTextInAnyPieces(utf8);
}

TEST(TextDecoder, ComposesAnAccentAtTheStartOfTheNextBlock) {
  // "e" ends the first block and "\xE2" the second; a combining acute starts
  // the next one, and gives a letter that Windows-1252 lacks after "\xE2".
  frasor::TextDecoder decoder(frasor::TextEncoding::Utf8);
  std::string text(decoder.Decode("Caf\xC3\xA9 e cafe", false));
  text += decoder.Decode("\xCC\x81 e ma\xC3\xA7\xC3\xA2", false);
  text += decoder.Decode("\xCC\x81", false);
  text += decoder.Decode({}, true);
  EXPECT_EQ(text, "Caf\xE9 e caf\xE9 e ma\xE7\x1A");
}

TEST(TextDecoder, SubstitutesIllFormedSequencesAsIcuDoes) {
  for (const std::string utf8 :
       {"abc\xC3", "abc\xC3X\xC3\xA9", "ab\xE2\x82\xC3\xA9 ok", "\xC3\xC3\xA9\xC3",
        "\xC0\xAF e \xC1\xBF", "\xED\xA0\x80 \xF4\x90\x80\x80 \xF0\x9F\x98", "\x80\xBF\xC2\x9F\xC2",
        "\xF0\x9F\xC3\xA9\xCC\x81", "e\xE2\x82\xCC\x81"}) {
    ExpectIcuTextInAnyPieces(utf8);
  }
}

TEST(TextDecoder, GivesIcuTextForMixedScriptsAndMarks) {
  // ASCII, Latin-1, combining marks alone and in sequences, letters that
  // decompose or that Windows-1252 lacks, C1 controls and ill-formed bytes,
  // in random order.
  const std::vector<std::string> fragments = {"a",
                                              "e",
                                              "o",
                                              "C",
                                              " ",
                                              ".",
                                              "\r\n",
                                              "palavra ",
                                              "\xC3\xA9",
                                              "\xC3\xA7",
                                              "\xC2\xA0",
                                              "\xC3\xBF",
                                              "\xC3\x80",
                                              "\xCC\x81",
                                              "\xCC\x83",
                                              "\xCC\xA7",
                                              "\xCC\x88\xCC\x81",
                                              "\xCC\xA3\xCC\x82",
                                              "\xCE\xA9",
                                              "\xE2\x80\x94",
                                              "\xE2\x80\x9C",
                                              "\xEF\xAC\x81",
                                              "\xF0\x9F\x98\x80",
                                              "\xC2\x80",
                                              "\xC2\x81",
                                              "\xC3",
                                              "\xE2\x82",
                                              "\xFF",
                                              "\xE1\xB8\x97",
                                              "\xC7\x96",
                                              "\xE1\x84\x80\xE1\x85\xA1",
                                              "\xE0\xA4\x95\xE0\xA4\xBC",
                                              "\xCD\x84"};
  std::mt19937 random(1252);
  std::string utf8;
  while (utf8.size() < 60000) utf8 += fragments[random() % fragments.size()];
  ExpectIcuTextInAnyPieces(utf8);
}
