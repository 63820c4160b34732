#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "detection/CandidateList.h"
#include "detection/CandidateScanner.h"
#include "detection/WordChars.h"
#include "dictionary/DictionaryTable.h"
#include "platform/FileError.h"
#include "support/TempDir.h"

using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

struct Found {
  std::string term;
  std::string sentence;
  bool maybeProperName;
  bool operator==(const Found&) const = default;
};

std::vector<Found> ListedCandidates() {
  std::vector<Found> found;
  for (neo* record = CandidateList.Head; record != nullptr; record = record->Next) {
    found.push_back({record->Term, *record->Sentence, record->MaybeProperName});
  }
  return found;
}

std::vector<std::string> ListedTerms() {
  std::vector<std::string> terms;
  for (const Found& found : ListedCandidates()) terms.push_back(found.term);
  return terms;
}

class ScannerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearDictionary();
    FreeCandidates();
  }
  void TearDown() override {
    FreeCandidates();
    FreeDictionary();
  }

  // Scans `segmented` as the .seg file of an input in a fresh folder.
  void Scan(const std::string& segmented, bool ignoreStored = false) {
    WriteBytes(input_ + ".seg", segmented);
    FindCandidates(input_, ignoreStored);
  }

  TempDir dir_;
  std::string input_ = dir_ / "artigo.txt";
};

using Terms = std::vector<std::string>;

}  // namespace

TEST(IsWordChar, HoldsExactlyTheLettersHyphenAndTwentyFiveAccentedPairs) {
  int count = 0;
  for (int c = 0; c < 256; ++c) count += IsWordChar(static_cast<unsigned char>(c)) ? 1 : 0;
  EXPECT_EQ(count, 103);
  for (unsigned char c : std::string("AZaz-\xE1\xC1\xE7\xC7\xFF\x9F\xFD\xDD\xFC\xDC")) {
    EXPECT_TRUE(IsWordChar(c)) << int{c};
  }
  // Digits, apostrophes, underscore, ñ Ñ ß å æ ø ª º š ž œ and blanks are not.
  for (unsigned char c :
       std::string("09'\x92_\xF1\xD1\xDF\xE5\xC5\xE6\xF8\xAA\xBA\x9A\x9E\x9C \t")) {
    EXPECT_FALSE(IsWordChar(c)) << int{c};
  }
}

TEST_F(ScannerTest, EveryWordIsAMaximalRunOfWordCharacters) {
  Scan(
      "p\xF3s-moderno d'\xE1gua H2O Espa\xF1"
      "a COVID19 2024 fim");
  EXPECT_EQ(ListedTerms(),
            (Terms{"p\xF3s-moderno", "d", "\xE1gua", "H", "O", "Espa", "a", "COVID", "fim"}));
}

TEST_F(ScannerTest, DashesAgainstAWordAreNotPartOfIt) {
  // Dashes typed without their spaces, a double hyphen for a dash, hyphens
  // alone; hyphens inside words stay.
  Scan("disse -se que a casa- e o --resto-- - --- ex-ministro guarda-chuva--");
  EXPECT_EQ(ListedTerms(), (Terms{"disse", "se", "que", "a", "casa", "e", "o", "resto",
                                  "ex-ministro", "guarda-chuva"}));
  EXPECT_EQ(*CandidateList.Head->Sentence,
            "disse -se que a casa- e o --resto-- - --- ex-ministro guarda-chuva-- ");
}

TEST_F(ScannerTest, SentenceIsTheLineWithOneSpaceAppended) {
  InsertWord("um", 0);
  InsertWord("novo", 0);
  Scan("Um blog novo\r\n\t  segunda\tlinha  \r\nblog no fim");
  std::vector<Found> expected = {
      {"blog", "Um blog novo ", false},      {"segunda", "segunda\tlinha   ", false},
      {"linha", "segunda\tlinha   ", false}, {"blog", "blog no fim ", false},
      {"no", "blog no fim ", false},         {"fim", "blog no fim ", false},
  };
  EXPECT_EQ(ListedCandidates(), expected);
}

TEST_F(ScannerTest, RepeatedWordsGiveOneRecordEachSharingTheirLine) {
  Scan("blog e blog\n");
  ASSERT_NE(CandidateList.Head, nullptr);
  EXPECT_EQ(ListedTerms(), (Terms{"blog", "e", "blog"}));
  EXPECT_EQ(CandidateList.Head->Sentence, CandidateList.Tail->Sentence);
  EXPECT_EQ(*CandidateList.Tail->Sentence, "blog e blog ");
}

TEST_F(ScannerTest, ExclusionFollowsTheIgnoreOption) {
  InsertWord("casa", 0);
  InsertWord("blog", 1);
  Scan("Casa blog CASA tuitar BLOG", false);
  EXPECT_EQ(ListedTerms(), (Terms{"blog", "tuitar", "BLOG"}));
  FreeCandidates();
  Scan("Casa blog CASA tuitar BLOG", true);
  EXPECT_EQ(ListedTerms(), (Terms{"tuitar"}));
}

TEST_F(ScannerTest, ProperNameHintLooksAtTheFirstByteOnly) {
  Scan("Lisboa \xC1gata \xC9rico -Lisboa lisboa ONU");
  std::vector<bool> hints;
  for (const Found& found : ListedCandidates()) hints.push_back(found.maybeProperName);
  EXPECT_EQ(ListedTerms(), (Terms{"Lisboa", "\xC1gata", "\xC9rico", "Lisboa", "lisboa", "ONU"}));
  EXPECT_EQ(hints, (std::vector<bool>{true, false, false, true, false, true}));
}

TEST_F(ScannerTest, EmptyAndBlankFilesGiveNothing) {
  Scan("");
  Scan("  \r\n\t\r\n\n\r   ");
  Scan("123 456,78 !?");
  EXPECT_EQ(CandidateList.Head, nullptr);
  EXPECT_EQ(CandidateList.Tail, nullptr);
}

TEST_F(ScannerTest, ByteTwentySixEndsTheText) {
  Scan(
      "antes\r\nmeio\x1A"
      "depois\r\nmais");
  EXPECT_EQ(ListedTerms(), (Terms{"antes", "meio"}));
}

TEST_F(ScannerTest, LastLineWithoutLineBreakIsReadToItsEnd) {
  Scan("um texto\r\nneologismo");
  ASSERT_NE(CandidateList.Tail, nullptr);
  EXPECT_EQ(CandidateList.Tail->Term, "neologismo");
  EXPECT_EQ(*CandidateList.Tail->Sentence, "neologismo ");
}

TEST_F(ScannerTest, LinesAndWordsOfAnyLength) {
  std::string word(100000, 'x');
  std::string line;
  for (int i = 0; i < 20000; ++i) line += "palavra ";
  Scan(word + "\r\n" + line + word);
  std::size_t count = 0;
  for (neo* record = CandidateList.Head; record != nullptr; record = record->Next) ++count;
  ASSERT_EQ(count, 20002u);
  EXPECT_EQ(CandidateList.Head->Term, word);
  EXPECT_EQ(CandidateList.Tail->Term, word);
  EXPECT_EQ(*CandidateList.Tail->Sentence, line + word + " ");
}

TEST_F(ScannerTest, RepeatedScansAppendToTheList) {
  Scan("primeiro");
  Scan("segundo");
  EXPECT_EQ(ListedTerms(), (Terms{"primeiro", "segundo"}));
  FreeCandidates();
  EXPECT_EQ(CandidateList.Head, nullptr);
  EXPECT_EQ(CandidateList.Tail, nullptr);
  FreeCandidates();
  AddCandidate("novo", std::make_shared<const std::string>("novo "));
  EXPECT_EQ(CandidateList.Head, CandidateList.Tail);
  EXPECT_EQ(CandidateList.Head->Term, "novo");
}

TEST_F(ScannerTest, AMissingSegmentedFileLeavesTheListUnchanged) {
  Scan("antes");
  try {
    FindCandidates(dir_ / "ausente.txt", false);
    FAIL() << "a missing .seg was scanned";
  } catch (const platform::FileError& error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
  EXPECT_EQ(ListedTerms(), Terms{"antes"});
}
