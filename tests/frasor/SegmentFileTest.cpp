#include <string>

#include <gtest/gtest.h>

#include "frasor/EncodedText.h"
#include "frasor/SegmentFile.h"
#include "frasor/TextEncoding.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"

using frasor_testing::Utf16;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

// Two sentences with accented letters, in Windows-1252, and their .seg.
const std::string Windows1252Text = "Ele \xE9 o Jo\xE3o. A\xE7\xE3o come\xE7ou!\n";
const std::string ExpectedSegmented = "Ele \xE9 o Jo\xE3o.\r\nA\xE7\xE3o come\xE7ou!\r\n";
const std::string Utf8Text = "Ele \xC3\xA9 o Jo\xC3\xA3o. A\xC3\xA7\xC3\xA3o come\xC3\xA7ou!\n";

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
