// Inputs only POSIX systems stage: names at the file system's limit, double
// quotes in names, files and folders without permissions, and pipes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "reliability/BadInputFixture.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::WriteBytes;

TEST_F(BadInputTest, NamesAsLongAsTheirReportsAllowWorkAndLongerOnesFail) {
  // The HTML report's name is the input's and 28 bytes, at most 255 in all.
  std::string longest = "t\xC3\xADtulo ";
  while (longest.size() < 227) longest += 'x';
  WriteBytes(texts_ / longest, "Um blog novo.\n");
  EXPECT_EQ(RunAndCheck(texts_ / longest), "");

  std::string tooLong = longest + "x";
  WriteBytes(texts_ / tooLong, "Um blog novo.\n");
  EXPECT_EQ(RunAndCheck(texts_ / tooLong), "I/O error 36");  // ENAMETOOLONG
  // Its text report's name fits, but it is not written beside no HTML report.
  EXPECT_FALSE(platform::FileExists(texts_ / (tooLong + "_candidatos-neologismos.txt")));
  EXPECT_FALSE(platform::FileExists(texts_ / (tooLong + "_candidatos-neologismos.html")));
}

TEST_F(BadInputTest, ANameWithADoubleQuoteIsAnOrdinaryName) {
  std::string name = texts_ / "cita\xC3\xA7\xC3\xA3o \"x\".txt";
  WriteBytes(name, "Um blog.\n");
  EXPECT_EQ(RunAndCheck(name), "");
  EXPECT_NE(ReadBytes(name + "_candidatos-neologismos.txt").find("blog; N\xE3o; Um blog. "),
            std::string::npos);
}

TEST_F(BadInputTest, UnreadableInputsAndUnwritableFoldersAreAccessDenied) {
  WriteBytes(input_, "Um blog.\n");
  chmod(input_.c_str(), 0);
  int unreadable = testing_support::RunUnprivileged(
      [&] { return RunAndCheck(input_) == "File access denied" && !HasFailure() ? 0 : 1; });
  EXPECT_EQ(unreadable, 0);
  chmod(input_.c_str(), 0644);

  // A text in a folder where nothing can be written.
  ASSERT_EQ(chmod(texts_.Path().c_str(), 0555), 0);
  int readOnlyFolder = testing_support::RunUnprivileged(
      [&] { return RunAndCheck(input_) == "File access denied" && !HasFailure() ? 0 : 1; });
  ASSERT_EQ(chmod(texts_.Path().c_str(), 0755), 0);
  EXPECT_EQ(readOnlyFolder, 0);
  EXPECT_EQ(RunAndCheck(input_), "");  // and the next run works
}

TEST_F(BadInputTest, APipeIsRefusedWithoutWaitingForAWriter) {
  std::string pipe = texts_ / "pipe.txt";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  int status = testing_support::RunInChild([&] {
    alarm(20);  // ends a run that hangs
    return RunAndCheck(pipe) == "File access denied" && !HasFailure() ? 0 : 1;
  });
  // Frees a segmenter left waiting on the pipe by a run that hung.
  int writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
  if (writer >= 0) close(writer);
  EXPECT_EQ(status, 0);
}
