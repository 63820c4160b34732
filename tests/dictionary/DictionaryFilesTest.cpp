// Loading the two dictionary files, and storing into the user one.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dictionary/DictionaryFilesFixture.h"

TEST_F(DictionaryFilesTest, EntriesFollowTheLineRules) {
  WriteMain(
      "casa\r\nmesa\n\r\n  cadeira  \rporta\tlarga\r\n\xEF\xBB\xBFjanela\r\nfim\x1A"
      "depois\r\n");
  WriteUser("");
  LoadDictionaries();
  EXPECT_TRUE(IsExcluded("casa", false));
  EXPECT_TRUE(IsExcluded("mesa", false));
  EXPECT_FALSE(IsExcluded("cadeira", false));  // the entry is "cadeira  "
  EXPECT_TRUE(IsExcluded("cadeira  ", false));
  EXPECT_TRUE(IsExcluded("porta\tlarga", false));
  EXPECT_FALSE(IsExcluded("janela", false));  // the byte-order mark belongs to the entry
  EXPECT_TRUE(IsExcluded("\xEF\xBB\xBFjanela", false));
  EXPECT_TRUE(IsExcluded("fim", false));
  EXPECT_FALSE(IsExcluded("depois", false));
  EXPECT_EQ(DictionaryTable.Count(), 6u);
}

TEST_F(DictionaryFilesTest, OneRunningCountCoversBothFilesAndLaterRunsOnlyTheUserOne) {
  WriteMain("um\r\ndois\r\ntres");
  WriteUser("blog\r\nblog\r\n");
  LoadDictionaries();
  std::vector<std::string> expected;
  for (int i = 1; i <= 5; ++i)
    expected.push_back(CountPrefix + std::to_string(i) + " palavras carregadas");
  EXPECT_EQ(statuses_, expected);
  EXPECT_TRUE(MainDictionaryLoaded);
  EXPECT_EQ(DictionaryTable.Count(), 4u);
  EXPECT_EQ(WordOrigin("blog"), 1);

  // The main dictionary is not read again: it may even be gone.
  ASSERT_EQ(unlink(mainPath_.c_str()), 0);
  statuses_.clear();
  LoadDictionaries();
  EXPECT_EQ(statuses_.back(), CountPrefix + "2 palavras carregadas");
  EXPECT_EQ(statuses_.size(), 2u);
}

TEST_F(DictionaryFilesTest, CountTextIsExactForLargeCounts) {
  std::string entries;
  for (int i = 0; i < 1500; ++i) entries += "w" + std::to_string(i) + "\r\n";
  WriteMain(entries);
  WriteUser("");
  LoadDictionaries();
  ASSERT_EQ(statuses_.size(), 1500u);
  EXPECT_EQ(statuses_.back(),
            "Status do software: carregando dicion\xE1rios... 1500 palavras carregadas");
}

TEST_F(DictionaryFilesTest, EmptyFilesLeaveTheStatusUntouched) {
  WriteMain("");
  WriteUser("\r\n  \r\n");
  LoadDictionaries();
  EXPECT_TRUE(statuses_.empty());
  EXPECT_TRUE(MainDictionaryLoaded);
}

TEST_F(DictionaryFilesTest, TheMainDictionaryDecidesTheOriginOfAWordInBothFiles) {
  WriteMain("Blog\r\n");
  WriteUser("blog\r\ntuitar\r\n");
  LoadDictionaries();
  EXPECT_TRUE(IsExcluded("blog", false));
  EXPECT_FALSE(IsExcluded("tuitar", false));
  EXPECT_TRUE(IsExcluded("tuitar", true));
}

TEST_F(DictionaryFilesTest, AMissingMainDictionaryFailsBeforeTheUserOneIsRead) {
  WriteUser("blog\r\n");
  EXPECT_EQ(ErrorOf(LoadDictionaries), "File not found");
  EXPECT_FALSE(MainDictionaryLoaded);
  EXPECT_EQ(WordOrigin("blog"), 0);
  EXPECT_TRUE(statuses_.empty());

  WriteMain("casa\r\n");
  LoadDictionaries();
  EXPECT_TRUE(MainDictionaryLoaded);
  EXPECT_TRUE(IsExcluded("casa", false));
  EXPECT_EQ(WordOrigin("blog"), 1);
}

TEST_F(DictionaryFilesTest, AMissingFolderOrUserDictionaryIsAFileError) {
  WriteMain("casa\r\n");
  EXPECT_EQ(ErrorOf(LoadDictionaries), "File not found");
  EXPECT_TRUE(MainDictionaryLoaded);  // the main file was read completely
  EXPECT_TRUE(IsExcluded("casa", false));

  AppDir = dir_ / "elsewhere";
  MainDictionaryLoaded = false;
  EXPECT_EQ(ErrorOf(LoadDictionaries), "Invalid filename");
}

TEST_F(DictionaryFilesTest, StoresNewWordsOnceInTheCaseOfTheirFirstOccurrence) {
  WriteMain("casa\r\n");
  WriteUser("blog\r\n");
  LoadDictionaries();
  Candidates({"Blogueiro", "tuitar", "blogueiro", "blog", "BLOG", "Tuitar"});
  StoreCandidates(true);
  EXPECT_EQ(ReadBytes(userPath_), "blog\r\nBlogueiro\r\ntuitar\r\n");
  EXPECT_EQ(WordOrigin("blogueiro"), 1);
  EXPECT_EQ(WordOrigin("TUITAR"), 1);

  // A second store of the same candidates writes nothing.
  StoreCandidates(true);
  EXPECT_EQ(ReadBytes(userPath_), "blog\r\nBlogueiro\r\ntuitar\r\n");
}

TEST_F(DictionaryFilesTest, NotStoringTouchesNeitherFileNorTable) {
  Candidates({"tuitar"});
  EXPECT_NO_THROW(StoreCandidates(false));  // the user dictionary does not even exist
  EXPECT_EQ(WordOrigin("tuitar"), 0);
}

TEST_F(DictionaryFilesTest, StoringNeedsTheUserDictionaryEvenWithoutCandidates) {
  EXPECT_EQ(ErrorOf([] { StoreCandidates(true); }), "File not found");
  WriteUser("blog");
  StoreCandidates(true);
  EXPECT_EQ(ReadBytes(userPath_), "blog");
}

TEST_F(DictionaryFilesTest, ALastEntryWithoutLineBreakIsNotJoinedToTheFirstStoredWord) {
  WriteUser("blog");
  Candidates({"tuitar"});
  StoreCandidates(true);
  EXPECT_EQ(ReadBytes(userPath_), "blog\r\ntuitar\r\n");

  WriteUser("blog\x1A");  // words stored behind a byte 26 are never read back
  FreeCandidates();
  Candidates({"vlogar"});
  StoreCandidates(true);
  EXPECT_EQ(ReadBytes(userPath_), "blog\x1A\r\nvlogar\r\n");
}
