// The line rules of every text file the system reads.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/TextFile.h"
#include "support/TempDir.h"

using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

std::vector<std::string> LinesOf(const std::string& bytes) {
  TempDir dir;
  WriteBytes(dir / "text", bytes);
  platform::LineReader reader(dir / "text");
  std::vector<std::string> lines;
  std::string line;
  while (reader.NextLine(line)) lines.push_back(line);
  reader.Close();
  return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(LineReader, EveryKindOfLineBreakEndsALine) {
  EXPECT_EQ(LinesOf("casa\r\n"), Lines{"casa"});
  EXPECT_EQ(LinesOf("casa\n"), Lines{"casa"});
  EXPECT_EQ(LinesOf("casa\r"), Lines{"casa"});
  EXPECT_EQ(LinesOf("\r\n\r\ncasa"), Lines{"casa"});
  EXPECT_EQ(LinesOf("um\rdois\ntres\r\nquatro\n\rcinco"),
            (Lines{"um", "dois", "tres", "quatro", "cinco"}));
}

TEST(LineReader, BlanksAreSkippedOnlyAtTheStartOfALine) {
  EXPECT_EQ(LinesOf("  casa  \r\n"), Lines{"casa  "});
  EXPECT_EQ(LinesOf("\t um\tdois \t\n"), Lines{"um\tdois \t"});
  EXPECT_EQ(LinesOf("   \r\n\t\t\r\n"), Lines{});
  EXPECT_EQ(LinesOf(""), Lines{});
}

TEST(LineReader, ByteTwentySixEndsTheFile) {
  EXPECT_EQ(LinesOf("um\r\ndo\x1A"
                    "is\r\ntres\r\n"),
            (Lines{"um", "do"}));
  EXPECT_EQ(LinesOf("um\r\n  \x1A"
                    "dois"),
            Lines{"um"});
  EXPECT_EQ(LinesOf("\x1A"
                    "casa"),
            Lines{});
}

TEST(LineReader, KeepsEveryOtherByteOfALine) {
  std::string line = "x";
  for (int c = 0; c < 256; ++c) {
    if (c != '\r' && c != '\n' && c != 26) line.push_back(static_cast<char>(c));
  }
  EXPECT_EQ(LinesOf(line + "\r\n"), Lines{line});
}

TEST(LineReader, LinesLongerThanTheBufferAndAcrossItsEdgeStayWhole) {
  std::string longLine(300000, 'a');
  longLine[123456] = ' ';
  std::string bytes = "curta\r\n" + longLine + "\r\n";
  // Put a CR LF pair and a byte 26 right at buffer edges.
  std::string filler(65536 - bytes.size() % 65536 - 1, 'b');
  bytes += filler + "\r\nfim\x1A depois";
  EXPECT_EQ(LinesOf(bytes), (Lines{"curta", longLine, filler, "fim"}));
}
