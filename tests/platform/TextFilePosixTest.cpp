// Files that only POSIX can stage: a pipe, a folder closed to an
// unprivileged user, a limit on a file's size.
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "platform/TextFile.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

using platform::FileError;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

TEST(InputFile, OnlyFilesAreOpenedAndAPipeIsRefusedWithoutWaiting) {
  TempDir dir;
  std::string pipe = dir / "pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  // An open that waited for a writer would be ended by the alarm.
  int status = testing_support::RunInChild([&] {
    alarm(10);
    for (const std::string& path : {dir.Path(), std::string("/dev/null"), pipe}) {
      try {
        platform::InputFile file(path);
        return 1;
      } catch (const FileError& error) {
        if (error.Kind() != platform::FileErrorKind::AccessDenied) return 2;
      }
    }
    return 0;
  });
  EXPECT_EQ(status, 0);
}

TEST(OutputFile, CreateInAReadOnlyFolderIsAccessDenied) {
  TempDir dir;
  testing_support::OpenUpForOthers(dir);
  std::string folder = dir / "readonly";
  ASSERT_EQ(mkdir(folder.c_str(), 0555), 0);
  int status = testing_support::RunUnprivileged([&] {
    try {
      platform::OutputFile::Create(folder + "/report.txt");
    } catch (const FileError& error) {
      return std::string(error.what()) == "File access denied" ? 0 : 1;
    }
    return 2;
  });
  EXPECT_EQ(status, 0);
}

TEST(AppendFile, AFailedAppendLeavesTheFileAsItWas) {
  TempDir dir;
  std::string path = dir / "usuario.txt";
  WriteBytes(path, "blog\r\n");
  // The file may grow by a few bytes only: the block is cut off midway.
  int status = testing_support::RunWithFileSizeLimit(10, [&] {
    try {
      platform::AppendFile file(path);
      file.AppendBlock("tuitar\r\nblogueiro\r\n");
    } catch (const FileError& error) {
      return error.Kind() == platform::FileErrorKind::Other ? 0 : 1;
    }
    return 2;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadBytes(path), "blog\r\n");
}
