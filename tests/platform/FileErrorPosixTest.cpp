// File errors that only POSIX can stage: permissions, descriptor limits,
// /dev/full, errno values, a deleted current folder.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

using platform::FileError;
using platform::FileErrorKind;
using testing_support::TempDir;

TEST(FileError, UnreadableFileIsAccessDenied) {
  TempDir dir;
  testing_support::OpenUpForOthers(dir);
  std::string path = dir / "secret.txt";
  testing_support::WriteBytes(path, "casa\n");
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  int status = testing_support::RunUnprivileged([&] {
    try {
      platform::InputFile file(path);
    } catch (const FileError& error) {
      return std::string(error.what()) == "File access denied" ? 0 : 1;
    }
    return 2;
  });
  EXPECT_EQ(status, 0);
}

TEST(FileError, TooManyOpenFilesIsTold) {
  TempDir dir;
  std::string path = dir / "any.txt";
  testing_support::WriteBytes(path, "x");
  int status = testing_support::RunInChild([&] {
    struct rlimit limit = {3, 3};  // standard streams only
    for (int fd = 3; fd < 1024; ++fd) close(fd);
    if (setrlimit(RLIMIT_NOFILE, &limit) != 0) return 10;
    try {
      platform::InputFile file(path);
    } catch (const FileError& error) {
      return std::string(error.what()) == "Too many open files" && error.ExitStatus() == 4 ? 0 : 1;
    }
    return 2;
  });
  EXPECT_EQ(status, 0);
}

TEST(FileError, FullDiskIsAnIoErrorWithTheSystemCode) {
  platform::OutputFile file = platform::OutputFile::Create("/dev/full");
  file.Write("casa\r\n");
  try {
    file.Close();
    FAIL() << "closing a file on a full disk succeeded";
  } catch (const FileError& error) {
    EXPECT_EQ(error.Kind(), FileErrorKind::Other);
    EXPECT_EQ(error.Code(), ENOSPC);
    EXPECT_EQ(std::string(error.what()), "I/O error " + std::to_string(ENOSPC));
  }
}

TEST(FileError, SystemCodesOfAChildAreReadBackAsTheSameError) {
  // Every error keeps its text across the exchange, those whose system
  // numbers collide with the four named statuses or with exhausted memory
  // included: EIO is 5, ENOMEM is 12, and neither may pass for another.
  for (int code : {EPERM, EIO, ENOMEM, ENOSPC, EFBIG, EROFS, 133}) {
    FileError error(FileErrorKind::Other, code);
    int status = error.ExitStatus();
    EXPECT_TRUE(status > 0 && status < 256) << code;
    EXPECT_NE(status, platform::OutOfMemoryExitStatus) << code;
    EXPECT_EQ(FileError::FromExitStatus(status).Kind(), FileErrorKind::Other) << code;
    EXPECT_STREQ(FileError::FromExitStatus(status).what(), error.what()) << code;
  }
}

TEST(FileError, ADeletedCurrentFolderIsAnInvalidFilename) {
  int status = testing_support::RunInChild([] {
    TempDir dir;
    if (chdir(dir.Path().c_str()) != 0 || rmdir(dir.Path().c_str()) != 0) return 10;
    try {
      platform::CurrentDirectory();
    } catch (const FileError& error) {
      return std::string(error.what()) == "Invalid filename" ? 0 : 1;
    }
    return 2;
  });
  EXPECT_EQ(status, 0);
}
