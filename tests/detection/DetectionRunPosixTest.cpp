// Whole runs that meet unwritable folders, full disks, faulty segmenters
// played by shell scripts, and requests to end the program.
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "detection/AppState.h"
#include "detection/CandidateList.h"
#include "detection/DetectionRun.h"
#include "detection/SegmenterBridge.h"
#include "detection/StatusLine.h"
#include "detection/StatusTexts.h"
#include "dictionary/DictionaryFiles.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/TerminationRequest.h"
#include "support/ChildProcess.h"
#include "support/ExpectedReports.h"
#include "support/RunFixture.h"
#include "support/StandInSegmenter.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

using DetectionRunTest = testing_support::RunFixture;
using testing_support::CompletionFor;

}  // namespace

TEST_F(DetectionRunTest, AnUnwritableReportFolderIsAccessDenied) {
  WriteBytes(input_, "Um blog.\n");
  WriteBytes(input_ + ".seg", "restos de outra vez\r\n");  // left by an interrupted run
  chmod((input_ + ".seg").c_str(), 0666);
  ASSERT_EQ(chmod(texts_.Path().c_str(), 0555), 0);
  int status = testing_support::RunUnprivileged([&] {
    try {
      RunDetection(input_, false, false);
    } catch (const platform::FileError& error) {
      return std::string(error.what()) == "File access denied" && CandidateList.Head == nullptr ? 0
                                                                                                : 1;
    }
    return 2;
  });
  ASSERT_EQ(chmod(texts_.Path().c_str(), 0755), 0);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(RunDetection(input_, false, false), CompletionFor(input_));
  ExpectNoTemporaryFilesOf(input_);
}

TEST_F(DetectionRunTest, AFullDiskEndsTheRunWithAnIoError) {
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "Um blog novo com tuites e vlogs sem fim.\n";
  WriteBytes(input_, text);
  WriteBytes(userPath_, "blog\r\n");
  // The .seg fits, the reports do not.
  int status = testing_support::RunWithFileSizeLimit(200000, [&] {
    try {
      RunDetection(input_, true, false);
    } catch (const platform::FileError& error) {
      return std::string(error.what()).rfind("I/O error", 0) == 0 ? 0 : 1;
    }
    return 2;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadBytes(userPath_), "blog\r\n");
  EXPECT_FALSE(platform::FileExists(input_ + "_candidatos-neologismos.txt"));
  ExpectNoTemporaryFilesOf(input_);
}

TEST_F(DetectionRunTest, FaultySegmentersEndTheRunAndTheNextRunWorks) {
  WriteBytes(input_, "Um blog.\n");
  testing_support::InstallStandInSegmenter(SegmenterPath(),
                                           ": > \"$1._frasor_ready_.tmp\"");  // ready, but no .seg
  EXPECT_EQ(FailureOf(input_), "File not found");
  ExpectNoTemporaryFilesOf(input_);

  testing_support::InstallStandInSegmenter(SegmenterPath(),
                                           "exit 0");  // ends without writing anything
  EXPECT_NE(FailureOf(input_).rfind("I/O error", 0), std::string::npos);
  ExpectNoTemporaryFilesOf(input_);

  testing_support::InstallStandInSegmenter(SegmenterPath(), "exit 5");
  EXPECT_EQ(FailureOf(input_), "File access denied");

  InstallSegmenter();
  EXPECT_EQ(RunDetection(input_, false, false), CompletionFor(input_));
  ExpectNoTemporaryFilesOf(input_);
}

TEST_F(DetectionRunTest, ATerminationRequestDuringTheWaitEndsTheRunAndCleansUp) {
  WriteBytes(input_, "Um blog.\n");
  WriteBytes(userPath_, "vlog\r\n");
  // Writes part of its text, asks the program to end, and never signals. The
  // request stays noted for the process, so the run is in a child.
  testing_support::InstallStandInSegmenter(
      SegmenterPath(), "printf 'Um' > \"$1.seg\"; kill -TERM $PPID; exec sleep 600");
  int status = testing_support::RunInChild([&] {
    platform::WatchTerminationRequests();
    try {
      RunDetection(input_, true, false);
    } catch (const RunInterrupted&) {
      ExpectNoTemporaryFilesOf(input_);
      bool noChild = testing_support::ChildrenOfThisProcess().empty();
      return noChild && !HasFailure() ? 0 : 1;
    }
    return 2;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadBytes(userPath_), "vlog\r\n");
  EXPECT_FALSE(platform::FileExists(input_ + "_candidatos-neologismos.txt"));
}
