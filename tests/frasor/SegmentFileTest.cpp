#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "frasor/SegmentFile.h"
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
    EXPECT_EQ(error.StatusCode(), 2);
  }
  EXPECT_FALSE(platform::FileExists(frasor::SegmentedName(input)));
  EXPECT_FALSE(platform::FileExists(frasor::ReadinessName(input)));
}
