#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <new>
#include <string>

#include <gtest/gtest.h>

#include "detection/AppState.h"
#include "detection/SegmenterBridge.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/TerminationRequest.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

using platform::FileErrorKind;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

class SegmenterBridgeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AppDir = appDir_.Path();
    std::filesystem::create_directory(appDir_ / "segmentador");
  }

  std::string SegmenterPath() const { return appDir_ / "segmentador/frasor.exe"; }

  void InstallRealSegmenter() { std::filesystem::copy_file(FRASOR_EXE, SegmenterPath()); }

  // A shell script in the segmenter's place; "$1" is the input name.
  void InstallStandIn(const std::string& body, mode_t mode = 0755) {
    WriteBytes(SegmenterPath(), "#!/bin/sh\n" + body + "\n");
    chmod(SegmenterPath().c_str(), mode);
  }

  // The error RunSegmenter ends with; fails the test when it returns.
  platform::FileError RunError(const std::string& inputName) {
    try {
      RunSegmenter(inputName);
    } catch (const platform::FileError& error) {
      return error;
    }
    ADD_FAILURE() << "RunSegmenter returned";
    return platform::FileError(FileErrorKind::Other, 0);
  }

  TempDir appDir_;
  TempDir texts_;
};

// Makes `folder` the current directory for the life of the object.
class CurrentDirectoryScope {
 public:
  explicit CurrentDirectoryScope(const std::string& folder)
      : previous_(platform::CurrentDirectory()) {
    EXPECT_EQ(chdir(folder.c_str()), 0);
  }
  ~CurrentDirectoryScope() { EXPECT_EQ(chdir(previous_.c_str()), 0); }

 private:
  std::string previous_;
};

}  // namespace

TEST_F(SegmenterBridgeTest, RunsTheRealSegmenterOnANameWithSpaces) {
  InstallRealSegmenter();
  std::string input = texts_ / "um texto.txt";
  WriteBytes(input, "Primeira frase. Segunda frase.");
  RunSegmenter(input);
  EXPECT_EQ(ReadBytes(input + ".seg"), "Primeira frase.\r\nSegunda frase.\r\n");
  EXPECT_TRUE(platform::FileExists(input + "._frasor_ready_.tmp"));
}

TEST_F(SegmenterBridgeTest, PassesARelativeNameUnchanged) {
  InstallRealSegmenter();
  WriteBytes(texts_ / "artigo.txt", "Uma frase.");
  CurrentDirectoryScope inTexts(texts_.Path());
  RunSegmenter("artigo.txt");
  EXPECT_EQ(ReadBytes(texts_ / "artigo.txt.seg"), "Uma frase.\r\n");
}

TEST_F(SegmenterBridgeTest, RunsTheRealSegmenterOnANameEndingInABackslash) {
  InstallRealSegmenter();
  std::string input = texts_ / "texto\\";
  WriteBytes(input, "Uma frase. Outra frase.");
  RunSegmenter(input);
  EXPECT_EQ(ReadBytes(input + ".seg"), "Uma frase.\r\nOutra frase.\r\n");
  EXPECT_TRUE(platform::FileExists(input + "._frasor_ready_.tmp"));
}

TEST_F(SegmenterBridgeTest, DeletesTheFilesOfAnEarlierRunBeforeStarting) {
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

TEST_F(SegmenterBridgeTest, ReturnsWhenTheReadinessFileAppearsEvenWithoutSegmentedText) {
  InstallStandIn(": > \"$1._frasor_ready_.tmp\"");
  std::string input = texts_ / "artigo.txt";
  RunSegmenter(input);
  EXPECT_FALSE(platform::FileExists(input + ".seg"));
}

TEST_F(SegmenterBridgeTest, EndsWithTheErrorThatTheSegmentersExitStatusNames) {
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

TEST_F(SegmenterBridgeTest, TheRealSegmentersFailuresReadAsTheirOwnErrors) {
  InstallRealSegmenter();
  EXPECT_STREQ(RunError(texts_ / "ausente.txt").what(), "File not found");
  EXPECT_STREQ(RunError(texts_ / "sem pasta/texto.txt").what(), "Invalid filename");
  // A folder where the segmented text goes.
  WriteBytes(texts_ / "texto.txt", "Uma frase.");
  std::filesystem::create_directory(texts_ / "texto.txt.seg");
  EXPECT_STREQ(RunError(texts_ / "texto.txt").what(), "File access denied");
}
TEST_F(SegmenterBridgeTest, EndsWithTheErrorOfASegmenterThatCannotStart) {
  EXPECT_EQ(RunError(texts_ / "artigo.txt").Kind(), FileErrorKind::FileNotFound);
  InstallStandIn(": > \"$1._frasor_ready_.tmp\"", 0644);
  EXPECT_EQ(RunError(texts_ / "artigo.txt").Kind(), FileErrorKind::AccessDenied);
}

TEST_F(SegmenterBridgeTest, NamesWithDoubleQuotesReachTheSegmenterAsTheyAre) {
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

TEST_F(SegmenterBridgeTest, NoSegmenterOutlivesTheCall) {
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

TEST_F(SegmenterBridgeTest, ATerminationRequestEndsTheWaitAndStopsTheSegmenter) {
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
