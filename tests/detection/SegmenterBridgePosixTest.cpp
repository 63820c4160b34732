// The bridge with segmenters that fail, linger or never signal, played by
// shell scripts, and with names only POSIX file systems hold.
#include <cerrno>
#include <filesystem>
#include <new>
#include <string>

#include <gtest/gtest.h>

#include "detection/SegmenterBridgeFixture.h"
#include "platform/FileSystem.h"
#include "platform/TerminationRequest.h"
#include "support/ChildProcess.h"
#include "support/StandInSegmenter.h"
#include "support/TempDir.h"

using platform::FileErrorKind;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

class SegmenterBridgePosixTest : public SegmenterBridgeTest {
 protected:
  // A shell script in the segmenter's place; "$1" is the input name.
  void InstallStandIn(const std::string& body, int mode = 0755) {
    testing_support::InstallStandInSegmenter(SegmenterPath(), body, mode);
  }
};

}  // namespace

TEST_F(SegmenterBridgePosixTest, RunsTheRealSegmenterOnANameEndingInABackslash) {
  InstallRealSegmenter();
  std::string input = texts_ / "texto\\";
  WriteBytes(input, "Uma frase. Outra frase.");
  RunSegmenter(input);
  EXPECT_EQ(ReadBytes(input + ".seg"), "Uma frase.\r\nOutra frase.\r\n");
  EXPECT_TRUE(platform::FileExists(input + "._frasor_ready_.tmp"));
}

TEST_F(SegmenterBridgePosixTest, DeletesTheFilesOfAnEarlierRunBeforeStarting) {
  // The stand-in fails unless the stale readiness file is gone.
  InstallStandIn(
      "[ -e \"$1._frasor_ready_.tmp\" ] && exit 9\n"
      "sleep 0.1; printf fresh > \"$1.seg\"; : > \"$1._frasor_ready_.tmp\"");
  std::string input = texts_ / "artigo.txt";
  WriteBytes(input + "._frasor_ready_.tmp", "");
  WriteBytes(input + ".seg", "stale");
  RunSegmenter(input);
  EXPECT_EQ(ReadBytes(input + ".seg"), "fresh");
}

TEST_F(SegmenterBridgePosixTest, ReturnsWhenTheReadinessFileAppearsEvenWithoutSegmentedText) {
  InstallStandIn(": > \"$1._frasor_ready_.tmp\"");
  std::string input = texts_ / "artigo.txt";
  RunSegmenter(input);
  EXPECT_FALSE(platform::FileExists(input + ".seg"));
}

TEST_F(SegmenterBridgePosixTest, EndsWithTheErrorThatTheSegmentersExitStatusNames) {
  InstallStandIn("exit 3");
  EXPECT_EQ(RunError(texts_ / "artigo.txt").Kind(), FileErrorKind::PathNotFound);
  InstallStandIn("exit 5");
  EXPECT_STREQ(RunError(texts_ / "artigo.txt").what(), "File access denied");

  // An EIO or an ENOSPC in the segmenter reads as the same error in the core.
  for (int code : {EIO, ENOSPC}) {
    int status = platform::FileError(FileErrorKind::Other, code).ExitStatus();
    InstallStandIn("exit " + std::to_string(status));
    EXPECT_EQ(std::string(RunError(texts_ / "artigo.txt").what()),
              "I/O error " + std::to_string(code));
  }

  InstallStandIn("exit " + std::to_string(platform::OutOfMemoryExitStatus));
  EXPECT_THROW(RunSegmenter(texts_ / "artigo.txt"), std::bad_alloc);

  InstallStandIn("exit 0");
  platform::FileError silent = RunError(texts_ / "artigo.txt");
  EXPECT_EQ(silent.Kind(), FileErrorKind::Other);
  EXPECT_EQ(silent.Code(), SegmenterExitedSilentlyCode);

  InstallStandIn("kill -9 $$");
  platform::FileError killed = RunError(texts_ / "artigo.txt");
  EXPECT_EQ(killed.Kind(), FileErrorKind::Other);
  EXPECT_EQ(killed.Code(), SegmenterKilledCode);
}

TEST_F(SegmenterBridgePosixTest, EndsWithTheErrorOfASegmenterThatCannotStart) {
  EXPECT_EQ(RunError(texts_ / "artigo.txt").Kind(), FileErrorKind::FileNotFound);
  InstallStandIn(": > \"$1._frasor_ready_.tmp\"", 0644);
  EXPECT_EQ(RunError(texts_ / "artigo.txt").Kind(), FileErrorKind::AccessDenied);
}

TEST_F(SegmenterBridgePosixTest, NamesWithDoubleQuotesReachTheSegmenterAsTheyAre) {
  // In the input name and in the application folder's path alike.
  TempDir quotedApp;
  AppDir = quotedApp / "a\"b";
  std::filesystem::create_directories(AppDir + "/segmentador");
  std::filesystem::copy_file(FRASOR_EXE, AppDir + "/segmentador/frasor.exe");
  std::string input = texts_ / "um \"texto\".txt";
  WriteBytes(input, "Primeira frase. Segunda frase.");
  RunSegmenter(input);
  EXPECT_EQ(ReadBytes(input + ".seg"), "Primeira frase.\r\nSegunda frase.\r\n");
}

TEST_F(SegmenterBridgePosixTest, NoSegmenterOutlivesTheCall) {
  std::string input = texts_ / "artigo.txt";
  // One that ends soon after signalling, one that never ends by itself, one
  // that fails: none is left running or unreaped.
  for (const char* body :
       {": > \"$1.seg\"; : > \"$1._frasor_ready_.tmp\"; sleep 0.2",
        ": > \"$1.seg\"; : > \"$1._frasor_ready_.tmp\"; exec sleep 600", "exit 2"}) {
    InstallStandIn(body);
    try {
      RunSegmenter(input);
    } catch (const platform::FileError&) {
    }
    EXPECT_TRUE(testing_support::ChildrenOfThisProcess().empty()) << body;
  }
}

TEST_F(SegmenterBridgePosixTest, ATerminationRequestEndsTheWaitAndStopsTheSegmenter) {
  // The stand-in asks this test's process to end, as a session would, and
  // never signals; the request flag stays set, so the run is in a child.
  InstallStandIn("kill -TERM $PPID; exec sleep 600");
  int status = testing_support::RunInChild([&] {
    platform::WatchTerminationRequests();
    try {
      RunSegmenter(texts_ / "artigo.txt");
    } catch (const RunInterrupted&) {
      return testing_support::ChildrenOfThisProcess().empty() ? 0 : 1;
    }
    return 2;
  });
  EXPECT_EQ(status, 0);
}
