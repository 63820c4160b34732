#include <span>
#include <string>
#include <utility>
#include <vector>

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

TEST(PreparedLineFeed, MakesTheTablesStorageResidentAheadOfLargeFiles) {
  // Over a chunk of entries: the reading thread makes the next chunk ready.
  TempDir dir;
  std::string path = dir / "grande.txt";
  std::string text;
  for (int i = 0; i < 1'200'000; ++i) text += "verbete" + std::to_string(i) + "xxxxxx\r\n";
  testing_support::WriteBytes(path, text);
  platform::LineReader reader(path);
  std::size_t lines = 0;
  std::vector<platform::LargeBlock> chunks;
  {
    PreparedLineFeed feed(reader);
    for (std::span<const PreparedWord> batch = feed.Next(); !batch.empty(); batch = feed.Next()) {
      lines += batch.size();
      for (platform::LargeBlock& chunk : feed.TakeResidentChunks())
        chunks.push_back(std::move(chunk));
    }
  }
  EXPECT_EQ(lines, 1'200'000u);
  ASSERT_FALSE(chunks.empty());
  for (const platform::LargeBlock& chunk : chunks) {
    ASSERT_EQ(chunk.Size(), WordTable::ChunkBytes);
    EXPECT_EQ(chunk.Data()[WordTable::ChunkBytes - 1], 0);
  }
  reader.Close();
}
