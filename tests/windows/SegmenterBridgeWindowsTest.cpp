// The bridge with segmenters that crash, end silently, fail or linger,
// played by a small Windows program, and with an application folder at a
// drive's root.
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>

#include <gtest/gtest.h>

#include "StandIn.h"
#include "detection/SegmenterBridgeFixture.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"

using platform::FileErrorKind;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

TEST_F(SegmenterBridgeTest, ACrashOrASilentEndIsAnIoErrorOfItsOwn) {
  std::string input = texts_ / "artigo.txt";
  InstallStandIn(SegmenterPath(), "crash");
  EXPECT_STREQ(RunError(input).what(), "I/O error 1001");
  InstallStandIn(SegmenterPath(), "exit 0");
  EXPECT_STREQ(RunError(input).what(), "I/O error 1000");
  // A folder of the readiness file's name is no sign of readiness.
  InstallStandIn(SegmenterPath(), "ready-folder");
  EXPECT_STREQ(RunError(input).what(), "I/O error 1000");
  EXPECT_FALSE(platform::FileExists(input + "._frasor_ready_.tmp"));
}

TEST_F(SegmenterBridgeTest, AnExitStatusReadsAsTheSystemErrorOfThatCode) {
  std::string input = texts_ / "artigo.txt";
  InstallStandIn(SegmenterPath(), "exit 3");
  EXPECT_EQ(RunError(input).Kind(), FileErrorKind::PathNotFound);
  InstallStandIn(SegmenterPath(), "exit 5");
  EXPECT_STREQ(RunError(input).what(), "File access denied");
  InstallStandIn(SegmenterPath(), "exit 112");  // ERROR_DISK_FULL
  EXPECT_STREQ(RunError(input).what(), "I/O error 112");
  InstallStandIn(SegmenterPath(), "exit " + std::to_string(platform::OutOfMemoryExitStatus));
  EXPECT_THROW(RunSegmenter(input), std::bad_alloc);
}

TEST_F(SegmenterBridgeTest, EndsWithTheErrorOfAMissingSegmenter) {
  EXPECT_EQ(RunError(texts_ / "artigo.txt").Kind(), FileErrorKind::FileNotFound);
}

TEST_F(SegmenterBridgeTest, DeletesTheFilesOfAnEarlierRunBeforeStarting) {
  // The stand-in fails unless the stale readiness file is gone.
  InstallStandIn(SegmenterPath(), "fresh");
  std::string input = texts_ / "artigo.txt";
  WriteBytes(input + "._frasor_ready_.tmp", "");
  WriteBytes(input + ".seg", "stale");
  RunSegmenter(input);
  EXPECT_EQ(ReadBytes(input + ".seg"), "fresh");
}

TEST_F(SegmenterBridgeTest, ReturnsOnReadinessAndStopsASegmenterThatLingers) {
  std::string input = texts_ / "artigo.txt";
  InstallStandIn(SegmenterPath(), "ready");
  RunSegmenter(input);
  EXPECT_FALSE(platform::FileExists(input + ".seg"));

  InstallStandIn(SegmenterPath(), "linger");
  RunSegmenter(input);
  EXPECT_EQ(ReadBytes(input + ".seg"), "Um blog.\r\n");
  HANDLE segmenter = OpenProcess(SYNCHRONIZE, FALSE, std::stoul(ReadBytes(input + ".pid")));
  if (segmenter != nullptr) {  // else it is gone already
    EXPECT_EQ(WaitForSingleObject(segmenter, 0), WAIT_OBJECT_0);
    CloseHandle(segmenter);
  }
}

TEST_F(SegmenterBridgeTest, AnApplicationFolderAtADriveRootFindsItsSegmenter) {
  // A drive of its own, which with-drive.sh maps to an empty folder.
  const char* drive = std::getenv("LEXAVIA_ROOT_DRIVE");
  ASSERT_NE(drive, nullptr) << "run through ctest, by with-drive.sh";
  AppDir = std::string(drive) + "\\";  // as the current directory reads there
  std::filesystem::create_directory(AppDir + "segmentador");
  std::filesystem::copy_file(FRASOR_EXE, AppDir + "segmentador\\frasor.exe");
  std::string input = texts_ / "artigo.txt";
  WriteBytes(input, "Uma frase. Outra frase.");
  RunSegmenter(input);
  EXPECT_EQ(ReadBytes(input + ".seg"), "Uma frase.\r\nOutra frase.\r\n");
}
