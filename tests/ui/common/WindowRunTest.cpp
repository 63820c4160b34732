// A run as the detect button performs it: every ending caught and told
// apart, with the real core and segmenter behind it.
#include "ui/common/WindowRun.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "Latin1Names.h"

#include "platform/FileSystem.h"
#include "platform/TerminationRequest.h"
#include "support/ChildProcess.h"
#include "support/RunFixture.h"
#include "support/StandInSegmenter.h"
#include "support/TempDir.h"

using testing_support::CompletionFor;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

namespace {

using WindowRunTest = testing_support::RunFixture;

std::u16string Typed(const std::string& name) { return DecodeLatin1(name); }

}  // namespace

TEST_F(WindowRunTest, ACompletedRunBringsItsCompletionMessage) {
  WriteBytes(input_, "O blog novo.\n");
  RunOutcome outcome = RunFromWindow(Typed(input_), Latin1, true, false);
  EXPECT_EQ(outcome.ending, RunOutcome::Ending::Completed);
  EXPECT_EQ(outcome.text, CompletionFor(input_));
  EXPECT_EQ(ReadBytes(userPath_), "blog\r\n");
}

TEST_F(WindowRunTest, AFailedRunBringsTheErrorBoxsTextAndTheNextRunWorks) {
  std::filesystem::remove(mainPath_);
  WriteBytes(input_, "O blog novo.\n");
  RunOutcome outcome = RunFromWindow(Typed(input_), Latin1, false, false);
  EXPECT_EQ(outcome.ending, RunOutcome::Ending::Failed);
  EXPECT_EQ(outcome.text, "File not found.");

  WriteBytes(mainPath_, "o\r\n");
  EXPECT_EQ(RunFromWindow(Typed(input_), Latin1, false, false).ending,
            RunOutcome::Ending::Completed);
}

TEST_F(WindowRunTest, ANameTheSystemCannotHoldFailsBeforeAnyFileIsTouched) {
  WriteBytes(input_, "O blog novo.\n");
  RunOutcome outcome = RunFromWindow(Typed(input_) + u"\u0416", Latin1, true, false);
  EXPECT_EQ(outcome.ending, RunOutcome::Ending::Failed);
  EXPECT_EQ(outcome.text, "Invalid filename.");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(texts_.Path()),
                          std::filesystem::directory_iterator()),
            1);
  EXPECT_EQ(ReadBytes(userPath_), "");
  EXPECT_TRUE(statuses_.empty());
}

TEST_F(WindowRunTest, ATerminationRequestDuringTheWaitEndsTheRunQuietly) {
  WriteBytes(input_, "Um blog.\n");
  WriteBytes(userPath_, "vlog\r\n");
  // Asks the program to end and never signals. The request stays noted for
  // the process, so the run is in a child.
  testing_support::InstallStandInSegmenter(SegmenterPath(), "kill -TERM $PPID; exec sleep 600");
  int status = testing_support::RunInChild([&] {
    platform::WatchTerminationRequests();
    RunOutcome outcome = RunFromWindow(Typed(input_), Latin1, true, false);
    bool quiet = outcome.ending == RunOutcome::Ending::Interrupted && outcome.text.empty();
    return quiet && testing_support::ChildrenOfThisProcess().empty() ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadBytes(userPath_), "vlog\r\n");
  EXPECT_FALSE(platform::FileExists(input_ + ".seg"));
}
