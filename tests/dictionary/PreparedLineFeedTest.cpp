#include <span>
#include <string>

#include <gtest/gtest.h>

#include "dictionary/PreparedLineFeed.h"
#include "support/TempDir.h"

namespace {

using testing_support::TempDir;

// Lines enough to go round the feed's ring of batches several times.
constexpr int ManyLines = 100000;

std::string ManyLinesText() {
  std::string text;
  for (int i = 0; i < ManyLines; ++i) {
    text += "Palavra" + std::to_string(i) + (i % 3 == 0 ? "\n\n" : "\r\n");
  }
  return text;
}

TEST(PreparedLineFeed, HandsOverEveryLineInFileOrderFoldedAndHashed) {
  TempDir dir;
  std::string path = dir / "dicionario.txt";
  testing_support::WriteBytes(path, ManyLinesText());
  platform::LineReader reader(path);
  int next = 0;
  {
    PreparedLineFeed feed(reader);
    PreparedWord expected;
    for (std::span<const PreparedWord> lines = feed.Next(); !lines.empty(); lines = feed.Next()) {
      for (const PreparedWord& line : lines) {
        PrepareWord("palavra" + std::to_string(next++), expected);
        ASSERT_EQ(line.folded, expected.folded);
        ASSERT_EQ(line.hash, expected.hash);
      }
    }
    EXPECT_TRUE(feed.Next().empty());
  }
  EXPECT_EQ(next, ManyLines);
  reader.Close();
}

TEST(PreparedLineFeed, AnEmptyFileHandsOverNothing) {
  TempDir dir;
  std::string path = dir / "vazio.txt";
  testing_support::WriteBytes(path, "\r\n \t\r\n");
  platform::LineReader reader(path);
  PreparedLineFeed feed(reader);
  EXPECT_TRUE(feed.Next().empty());
}

TEST(PreparedLineFeed, ACallerThatStopsEarlyStopsTheReading) {
  // The reader waits on a full ring of batches; leaving must wake and end it.
  TempDir dir;
  std::string path = dir / "dicionario.txt";
  testing_support::WriteBytes(path, ManyLinesText());
  platform::LineReader reader(path);
  {
    PreparedLineFeed feed(reader);
    ASSERT_FALSE(feed.Next().empty());
  }
  std::string line;
  EXPECT_TRUE(reader.NextLine(line));  // the file is still open and readable
}

}  // namespace
