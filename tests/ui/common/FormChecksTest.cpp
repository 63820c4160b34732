// The checks before a run: which message comes, in which order.
#include "ui/common/FormChecks.h"

#include <gtest/gtest.h>

namespace {

// The window as it starts: "Não" checked under both questions.
RunEntries Ready() { return {false, true, false, true, false}; }

}  // namespace

TEST(FormChecksTest, AnEmptyFileNameIsToldFirstEvenWithBothQuestionsUnanswered) {
  EXPECT_EQ(FirstFailedCheck({true, false, false, false, false}), NoFileMessage);
  EXPECT_EQ(FirstFailedCheck({true, true, false, true, false}), NoFileMessage);
}

TEST(FormChecksTest, EachQuestionWithNeitherAnswerIsToldWithTheOptionsMessage) {
  RunEntries firstUnanswered = Ready();
  firstUnanswered.storeNo = false;
  EXPECT_EQ(FirstFailedCheck(firstUnanswered), NoOptionMessage);

  RunEntries secondUnanswered = Ready();
  secondUnanswered.ignoreNo = false;
  EXPECT_EQ(FirstFailedCheck(secondUnanswered), NoOptionMessage);
}

TEST(FormChecksTest, EitherAnswerToEachQuestionLetsTheRunStart) {
  EXPECT_EQ(FirstFailedCheck(Ready()), std::nullopt);
  EXPECT_EQ(FirstFailedCheck({false, false, true, false, true}), std::nullopt);
  EXPECT_EQ(FirstFailedCheck({false, true, false, false, true}), std::nullopt);
}

TEST(FormChecksTest, TheMessagesAreTheWindowsOwnInWindows1252) {
  EXPECT_EQ(NoFileMessage,
            "Erro: especifique o arquivo em que quer buscar termos candidatos a neologismos");
  EXPECT_EQ(NoOptionMessage,
            "Erro: \xE9 necess\xE1rio que se marque pelo menos um item para cada uma das "
            "op\xE7\xF5"
            "es dispon\xEDveis");
}
