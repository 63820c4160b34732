#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "dictionary/DictionaryTable.h"

namespace {

class DictionaryTableTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearDictionary(); }
  void TearDown() override { FreeDictionary(); }
};

std::vector<std::string> WordsOf(const std::vector<bloco>& chain) {
  std::vector<std::string> words;
  for (const bloco& entry : chain) words.emplace_back(entry.Word);
  return words;
}

}  // namespace

TEST(HashWord, GivesTheBucketOfTheSumOfSquares) {
  EXPECT_EQ(HashWord(""), 1);
  EXPECT_EQ(HashWord("a"), 9410);
  EXPECT_EQ(HashWord("abc"), 28815);
  EXPECT_EQ(HashWord("neologismo"), 17666);
  EXPECT_EQ(HashWord("p\xF3s-moderno"), 68661);  // ó is byte 243
  for (const char* anagram : {"amor", "roma", "mora", "ramo"}) EXPECT_EQ(HashWord(anagram), 46608);
}

TEST(HashWord, StaysInRangeForWordsWhoseSumPassesThirtyTwoBits) {
  // 33,025 bytes of 255 sum to 2,147,450,625; one more byte passes 2^31 - 1.
  std::string limit(33025, '\xFF');
  std::string longer(33026, '\xFF');
  std::string huge(1000000, '\xFF');
  EXPECT_EQ(HashWord(limit), static_cast<int>(2147450625LL % 100003) + 1);
  EXPECT_EQ(HashWord(longer), static_cast<int>((2147450625LL + 65025) % 100003) + 1);
  EXPECT_EQ(HashWord(huge), static_cast<int>((65025LL * 1000000) % 100003) + 1);
}

TEST_F(DictionaryTableTest, AnagramsShareABucketInInsertionOrder) {
  for (const char* word : {"amor", "roma", "mora", "ramo"}) InsertWord(word, 0);
  EXPECT_EQ(WordsOf(DictionaryTable.Chain(46608)),
            (std::vector<std::string>{"amor", "roma", "mora", "ramo"}));
  for (const char* word : {"amor", "roma", "mora", "ramo"}) EXPECT_TRUE(IsExcluded(word, false));
}

TEST_F(DictionaryTableTest, TheFirstOriginOfAFoldedWordWins) {
  InsertWord("casa", 0);
  InsertWord("Casa", 1);
  InsertWord("CASA", 1);
  std::vector<bloco> chain = DictionaryTable.Chain(HashWord("casa"));
  ASSERT_EQ(chain.size(), 1u);
  EXPECT_EQ(chain[0].Word, "casa");
  EXPECT_EQ(chain[0].Origin, 0);
  EXPECT_EQ(DictionaryTable.Count(), 1u);

  InsertWord("Blog", 1);
  InsertWord("blog", 0);
  EXPECT_EQ(WordOrigin("BLOG"), 1);
  EXPECT_EQ(DictionaryTable.Chain(HashWord("blog")).at(0).Word, "blog");
}

TEST_F(DictionaryTableTest, OnlyAToZAreFolded) {
  InsertWord("\xE1gua", 0);  // água
  EXPECT_TRUE(IsExcluded("\xE1gua", false));
  EXPECT_FALSE(IsExcluded("\xC1gua", false));  // Água folds to itself
  EXPECT_FALSE(IsExcluded("\xC1GUA", false));  // ÁGUA folds to Água
  InsertWord("\xC1GUA", 0);
  EXPECT_TRUE(IsExcluded("\xC1gua", false));
  EXPECT_EQ(WordsOf(DictionaryTable.Chain(HashWord("\xC1gua"))).back(), "\xC1gua");
  InsertWord("casa", 0);
  EXPECT_TRUE(IsExcluded("CASA", false));
  EXPECT_TRUE(IsExcluded("cAsA", true));
}

TEST_F(DictionaryTableTest, ExclusionFollowsOriginAndTheIgnoreOption) {
  InsertWord("casa", 0);
  InsertWord("blog", 1);
  EXPECT_TRUE(IsExcluded("casa", false));
  EXPECT_TRUE(IsExcluded("casa", true));
  EXPECT_FALSE(IsExcluded("blog", false));
  EXPECT_TRUE(IsExcluded("Blog", true));
  EXPECT_FALSE(IsExcluded("tuitar", false));
  EXPECT_FALSE(IsExcluded("tuitar", true));
  EXPECT_EQ(WordOrigin("BLOG"), 1);
  EXPECT_EQ(WordOrigin("casa"), 0);
  EXPECT_EQ(WordOrigin("tuitar"), 0);
}

TEST_F(DictionaryTableTest, EveryByteCountsInEquality) {
  InsertWord("casa ", 0);
  InsertWord(std::string("ca\0sa", 5), 0);
  EXPECT_FALSE(IsExcluded("casa", false));
  EXPECT_FALSE(IsExcluded("cas", false));
  EXPECT_FALSE(IsExcluded("", false));
  EXPECT_TRUE(IsExcluded("casa ", false));
  EXPECT_TRUE(IsExcluded(std::string("CA\0SA", 5), false));
  InsertWord("", 0);
  EXPECT_TRUE(IsExcluded("", false));
}

TEST_F(DictionaryTableTest, ClearEmptiesTheTable) {
  InsertWord("casa", 0);
  InsertWord("blog", 1);
  ClearDictionary();
  EXPECT_FALSE(IsExcluded("casa", true));
  EXPECT_EQ(WordOrigin("blog"), 0);
  EXPECT_TRUE(DictionaryTable.Chain(HashWord("casa")).empty());
  EXPECT_EQ(DictionaryTable.Count(), 0u);
}

TEST_F(DictionaryTableTest, VeryLongWordsAreFoundByEveryOperation) {
  std::string huge(40000, '\xFF');
  huge[0] = 'A';
  std::string chunkSized(40u << 20, 'x');  // longer than a storage chunk
  InsertWord(huge, 1);
  InsertWord(chunkSized, 0);
  InsertWord("depois", 0);
  EXPECT_EQ(WordOrigin(huge), 1);
  EXPECT_FALSE(IsExcluded(huge, false));
  huge[0] = 'a';
  EXPECT_TRUE(IsExcluded(huge, true));
  EXPECT_TRUE(IsExcluded(chunkSized, false));
  EXPECT_TRUE(IsExcluded("depois", false));
  EXPECT_EQ(DictionaryTable.Chain(HashWord(huge)).at(0).Word, huge);
}

TEST_F(DictionaryTableTest, ManyWordsStayFoundAsTheIndexGrows) {
  // Enough words to grow the index several times and fill two storage chunks.
  constexpr int Words = 400000;
  const std::string padding(80, 'z');
  for (int i = 0; i < Words; ++i) InsertWord("Palavra" + std::to_string(i) + padding, i % 2);
  InsertWord("palavra7" + padding, 0);  // already held with origin 1
  EXPECT_EQ(DictionaryTable.Count(), static_cast<std::size_t>(Words));
  for (int i = 0; i < Words; i += 7) {
    std::string word = "palavra" + std::to_string(i) + padding;
    ASSERT_EQ(WordOrigin(word), i % 2) << word;
    ASSERT_FALSE(IsExcluded(word + "x", true)) << word;
  }
  // Every bucket holds its words in the order they were inserted.
  std::vector<int> lastInBucket(TableSize + 1, -1);
  std::size_t total = 0;
  DictionaryTable.ForEachEntry([&](const bloco& entry) {
    int number = std::stoi(std::string(entry.Word.substr(7)));
    int& last = lastInBucket[HashWord(entry.Word)];
    EXPECT_LT(last, number);
    last = number;
    ++total;
  });
  EXPECT_EQ(total, static_cast<std::size_t>(Words));
  std::vector<bloco> chain = DictionaryTable.Chain(HashWord("palavra12345" + padding));
  ASSERT_FALSE(chain.empty());
  for (std::size_t i = 1; i < chain.size(); ++i) {
    EXPECT_LT(std::stoi(std::string(chain[i - 1].Word.substr(7))),
              std::stoi(std::string(chain[i].Word.substr(7))));
  }
}

TEST_F(DictionaryTableTest, ReservingRoomKeepsTheWordsHeldAndTheOrigins) {
  InsertWord("casa", 0);
  InsertWord("Lexavia", 1);
  DictionaryTable.Reserve(300000);
  DictionaryTable.Reserve(10);  // never shrinks
  EXPECT_EQ(WordOrigin("casa"), 0);
  EXPECT_EQ(WordOrigin("lexavia"), 1);
  for (int i = 0; i < 300000; ++i) InsertWord("w" + std::to_string(i), 1);
  InsertWord("casa", 1);
  EXPECT_EQ(DictionaryTable.Count(), 300002u);
  EXPECT_EQ(WordOrigin("casa"), 0);
  EXPECT_EQ(WordOrigin("w299999"), 1);
  EXPECT_FALSE(IsExcluded("w300000", true));
}

TEST_F(DictionaryTableTest, StorageMadeResidentAheadIsFilledAndWhatStaysUnfilledIsGivenBack) {
  platform::LargeBlock chunk = WordTable::ResidentChunk();
  ASSERT_EQ(chunk.Size(), WordTable::ChunkBytes);
  for (std::size_t i = 0; i < chunk.Size(); i += 4093) ASSERT_EQ(chunk.Data()[i], 0) << i;
  DictionaryTable.GiveChunk(std::move(chunk));
  DictionaryTable.GiveChunk(WordTable::ResidentChunk());
  // Entries of uneven lengths, so that the last one ends inside a page.
  const std::string padding(37, 'q');
  for (int i = 0; i < 3000; ++i) InsertWord("antes" + std::to_string(i) + padding, 0);
  DictionaryTable.ReleaseUnfilledStorage();
  for (int i = 0; i < 3000; ++i) InsertWord("depois" + std::to_string(i) + padding, 1);
  DictionaryTable.ReleaseUnfilledStorage();

  EXPECT_EQ(DictionaryTable.Count(), 6000u);
  EXPECT_EQ(WordOrigin("antes2999" + padding), 0);
  EXPECT_EQ(WordOrigin("depois0" + padding), 1);
  EXPECT_EQ(WordOrigin("depois2999" + padding), 1);
  std::vector<std::string> order;
  DictionaryTable.ForEachEntry([&](const bloco& entry) { order.emplace_back(entry.Word); });
  ASSERT_EQ(order.size(), 6000u);
  EXPECT_EQ(order[2999], "antes2999" + padding);
  EXPECT_EQ(order[3000], "depois0" + padding);
  EXPECT_EQ(order.back(), "depois2999" + padding);
}
