// Failing disks and dying segmenters: a run ends with a file error, nothing
// is left half-written, and the next run works.
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "detection/AppState.h"
#include "detection/DetectionRun.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "support/ChildProcess.h"
#include "support/RunFixture.h"
#include "support/StandInSegmenter.h"

using testing_support::CompletionFor;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

namespace {

// The segmenter started by this process, once it runs; 0 when there is none.
pid_t RunningSegmenter() {
  for (const testing_support::ChildState& child : testing_support::ChildrenOfThisProcess()) {
    if (child.name == "(frasor.exe)" && child.state != 'Z') return child.pid;
  }
  return 0;
}

// A text of about `bytes` bytes that the shipped rules split into sentences.
std::string Prose(std::size_t bytes) {
  std::string text;
  while (text.size() < bytes) text += "Um blog novo de tuites e vlogs sem fim. ";
  return text;
}

class FaultTest : public testing_support::RunFixture {};

}  // namespace

TEST_F(FaultTest, AFullDiskAtEachWriteEndsTheRunAndDamagesNothing) {
  WriteBytes(input_, Prose(20000));
  RunDetection(input_, false, false);  // reports of an earlier run
  std::string oldText = ReadBytes(input_ + "_candidatos-neologismos.txt");
  std::string oldHtml = ReadBytes(input_ + "_candidatos-neologismos.html");
  // A large user dictionary, so that only its append exceeds the last limit.
  std::string user;
  while (user.size() < 400000) user += "palavraguardada\r\n";
  WriteBytes(userPath_, user);

  // Limits that stop, in turn: the .seg, the text report, the HTML report
  // (the text one fits), the user dictionary's append (the reports fit).
  std::size_t textSize = oldText.size();
  for (std::uint64_t limit : {std::uint64_t{1000}, std::uint64_t{textSize / 2},
                              std::uint64_t{textSize + 100}, std::uint64_t{user.size() + 10}}) {
    int status = testing_support::RunWithFileSizeLimit(limit, [&] {
      try {
        RunDetection(input_, true, false);
      } catch (const platform::FileError& error) {
        return std::string(error.what()).rfind("I/O error ", 0) == 0 ? 0 : 1;
      }
      return 2;
    });
    EXPECT_EQ(status, 0) << "limit " << limit;
    EXPECT_EQ(ReadBytes(input_ + "_candidatos-neologismos.txt"), oldText) << "limit " << limit;
    EXPECT_EQ(ReadBytes(input_ + "_candidatos-neologismos.html"), oldHtml) << "limit " << limit;
    EXPECT_EQ(ReadBytes(userPath_), user) << "limit " << limit;
    ExpectNoTemporaryFilesOf(input_);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(texts_.Path()),
                            std::filesystem::directory_iterator()),
              3)
        << "limit " << limit;  // the input and its two reports
  }
  EXPECT_EQ(RunDetection(input_, true, false), CompletionFor(input_));
  EXPECT_NE(ReadBytes(userPath_), user);
}

TEST_F(FaultTest, ASegmenterKilledAtAnyMomentEndsTheRun) {
  WriteBytes(input_, Prose(30'000'000));
  int killedRuns = 0;
  for (int delayMs : {0, 5, 20, 60, 120}) {
    std::atomic<bool> killed{false};
    std::thread killer([&] {
      pid_t segmenter = 0;
      while ((segmenter = RunningSegmenter()) == 0)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
      killed = kill(segmenter, SIGKILL) == 0;
    });
    std::string failure = FailureOf(input_);
    killer.join();
    if (failure == "no error") continue;  // it finished before the signal
    ASSERT_TRUE(killed);
    ++killedRuns;
    EXPECT_EQ(failure, "I/O error 1001") << delayMs;
    ExpectNoTemporaryFilesOf(input_);
  }
  EXPECT_GT(killedRuns, 0);
  WriteBytes(input_, Prose(2000));
  EXPECT_EQ(RunDetection(input_, false, false), CompletionFor(input_));
}

TEST_F(FaultTest, ASegmenterThatNeverSignalsEndsTheRunWhenItDies) {
  WriteBytes(input_, Prose(2000));
  testing_support::InstallStandInSegmenter(SegmenterPath(), ": > \"$1.seg\"; sleep 0.3; exit 4");
  EXPECT_EQ(FailureOf(input_), "Too many open files");
  ExpectNoTemporaryFilesOf(input_);
  InstallSegmenter();
  EXPECT_EQ(RunDetection(input_, false, false), CompletionFor(input_));
}
