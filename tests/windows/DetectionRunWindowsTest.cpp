// Whole runs that meet faulty segmenters, played by a small Windows program:
// each ends the run with its error and leaves nothing behind, and the next
// run works.
#include <string>

#include <gtest/gtest.h>

#include "StandIn.h"
#include "detection/DetectionRun.h"
#include "support/RunFixture.h"

using testing_support::CompletionFor;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

namespace {

using DetectionRunTest = testing_support::RunFixture;

}  // namespace

TEST_F(DetectionRunTest, FaultySegmentersEndTheRunAndTheNextRunWorks) {
  WriteBytes(input_, "Um blog.\n");
  WriteBytes(userPath_, "vlog\r\n");
  struct Fault {
    const char* behaviour;
    const char* error;
  };
  for (Fault fault : {Fault{"ready", "File not found"},  // ready, but no segmented text
                      Fault{"exit 0", "I/O error 1000"}, Fault{"crash", "I/O error 1001"},
                      Fault{"exit 5", "File access denied"}}) {
    InstallStandIn(SegmenterPath(), fault.behaviour);
    EXPECT_EQ(FailureOf(input_, true), fault.error) << fault.behaviour;
    ExpectNoTemporaryFilesOf(input_);
  }
  EXPECT_EQ(ReadBytes(userPath_), "vlog\r\n");  // no failed run stored a word

  InstallSegmenter();
  EXPECT_EQ(RunDetection(input_, true, false), CompletionFor(input_));
  ExpectNoTemporaryFilesOf(input_);
  EXPECT_EQ(ReadBytes(userPath_), "vlog\r\nblog\r\n");
}
