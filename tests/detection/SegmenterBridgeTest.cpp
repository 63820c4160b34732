#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "detection/AppState.h"
#include "detection/SegmenterBridge.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/Process.h"
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

// Whether the process `id` is gone, not even a zombie.
bool ProcessIsGone(const std::string& id) { return !std::filesystem::exists("/proc/" + id); }

bool IsZombie(const std::string& id) {
  std::ifstream stat("/proc/" + id + "/stat");
  std::string pid, name, state;
  stat >> pid >> name >> state;
  return state == "Z";
}

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

TEST_F(SegmenterBridgeTest, QuotesNamesSoThatTheyComeBackUnchanged) {
  // Backslashes before the closing quote would escape it unless doubled.
  for (std::string name : {"texto.txt", "um texto\\", "pasta\\a b\\\\", "\\", "", "a\\b c"}) {
    std::vector<std::string> expected = {AppDir + "/segmentador/frasor.exe", name};
    EXPECT_EQ(platform::SplitCommandLine(SegmenterCommandLine(name)), expected) << name;
  }
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

TEST_F(SegmenterBridgeTest, EndsWithTheFileErrorOfASegmenterThatGaveUp) {
  InstallStandIn("exit 3");
  EXPECT_EQ(RunError(texts_ / "artigo.txt").Kind(), FileErrorKind::PathNotFound);

  InstallStandIn("exit 0");
  platform::FileError silent = RunError(texts_ / "artigo.txt");
  EXPECT_EQ(silent.Kind(), FileErrorKind::Other);
  EXPECT_EQ(silent.Code(), SegmenterExitedSilentlyCode);

  InstallStandIn("kill -9 $$");
  platform::FileError killed = RunError(texts_ / "artigo.txt");
  EXPECT_EQ(killed.Kind(), FileErrorKind::Other);
  EXPECT_EQ(killed.Code(), SegmenterKilledCode);
}

TEST_F(SegmenterBridgeTest, EndsWithTheErrorOfASegmenterThatCannotStart) {
  EXPECT_EQ(RunError(texts_ / "artigo.txt").Kind(), FileErrorKind::FileNotFound);
  InstallStandIn(": > \"$1._frasor_ready_.tmp\"", 0644);
  EXPECT_EQ(RunError(texts_ / "artigo.txt").Kind(), FileErrorKind::AccessDenied);
}

TEST_F(SegmenterBridgeTest, RefusesANameWithAQuoteAndStartsNothing) {
  InstallStandIn(": > \"" + (texts_ / "started") + "\"");
  EXPECT_EQ(RunError(texts_ / "um \"texto\".txt").Kind(), FileErrorKind::PathNotFound);
  EXPECT_FALSE(platform::FileExists(texts_ / "started"));
}

TEST_F(SegmenterBridgeTest, LeavesARunningSegmenterAndReapsItLater) {
  // Signals readiness, then runs on until the test lets it end.
  InstallStandIn(
      "echo $$ > \"$1.pid\"; : > \"$1.seg\"; : > \"$1._frasor_ready_.tmp\"\n"
      "while [ ! -e \"$1.release\" ]; do sleep 0.01; done");
  std::string input = texts_ / "artigo.txt";
  RunSegmenter(input);
  std::string id;
  std::ifstream(input + ".pid") >> id;
  ASSERT_FALSE(id.empty());
  EXPECT_FALSE(ProcessIsGone(id));

  WriteBytes(input + ".release", "");
  while (!IsZombie(id)) platform::SleepMicroseconds(1000);
  InstallStandIn(": > \"$1._frasor_ready_.tmp\"");
  RunSegmenter(texts_ / "outro.txt");
  EXPECT_TRUE(ProcessIsGone(id));
}
