#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frasor/LongSentences.h"

namespace {

std::vector<std::string> Pieces(std::string_view sentence, std::size_t limit) {
  std::vector<std::string> pieces;
  frasor::SplitLongSentence(sentence, limit,
                            [&](std::string_view piece) { pieces.emplace_back(piece); });
  return pieces;
}

std::string NonBlank(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (c != ' ' && c != '\t') kept += c;
  }
  return kept;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(SplitLongSentence, LeavesSentencesWithinTheLimitWhole) {
  EXPECT_EQ(Pieces("Um blog novo.", 13), Strings{"Um blog novo."});
  EXPECT_EQ(Pieces("", 10), Strings{});
}

TEST(SplitLongSentence, BreaksAtTheLastBlankWithinTheLimit) {
  EXPECT_EQ(Pieces("um dois tres quatro cinco", 10),
            (Strings{"um dois", "tres", "quatro", "cinco"}));
  EXPECT_EQ(Pieces("um   \t dois tres", 7), (Strings{"um", "dois", "tres"}));
  EXPECT_EQ(Pieces("dezcaracte resto", 10), (Strings{"dezcaracte", "resto"}));
}

TEST(SplitLongSentence, CutsAWordLongerThanTheLimit) {
  EXPECT_EQ(Pieces("abcdefghijkl mn", 5), (Strings{"abcde", "fghij", "kl mn"}));
}

TEST(SplitLongSentence, KeepsEveryNonBlankByteInOrderWithinTheLimit) {
  std::string sentence;
  for (int i = 0; i < 5000; ++i)
    sentence += std::string(i % 17, 'a' + i % 26) + (i % 3 ? " " : "\t ");
  std::string joined;
  for (const std::string& piece : Pieces(sentence, 100)) {
    EXPECT_LE(piece.size(), 100u);
    EXPECT_NE(piece.front(), ' ');
    EXPECT_NE(piece.back(), ' ');
    joined += piece;
  }
  EXPECT_EQ(NonBlank(joined), NonBlank(sentence));
}

TEST(SplitLongSentence, EndsNoPieceInANoBreakSpaceOrAnotherBlankOfTheSentenceRules) {
  EXPECT_EQ(Pieces("abcd\xA0 ef", 5), (Strings{"abcd", "ef"}));
  EXPECT_EQ(Pieces("ab \xA0\v cd", 4), (Strings{"ab", "cd"}));
  EXPECT_EQ(Pieces("ab\f\xA0\xA0\xA0 cd", 4), (Strings{"ab", "cd"}));
}
