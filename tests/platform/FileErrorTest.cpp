// The file errors that every platform tells alike.
#include <string>

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "platform/TextFile.h"
#include "support/CurrentFolder.h"
#include "support/TempDir.h"

using platform::FileError;
using platform::FileErrorKind;
using testing_support::TempDir;

namespace {

// The error that opening `path` for reading throws.
FileError OpenError(const std::string& path) {
  try {
    platform::InputFile file(path);
  } catch (const FileError& error) {
    return error;
  }
  ADD_FAILURE() << "opening " << path << " did not fail";
  return FileError(FileErrorKind::Other, 0);
}

}  // namespace

TEST(FileError, MissingFileAndMissingFolderAreTold) {
  TempDir dir;
  FileError missingFile = OpenError(dir / "absent.txt");
  EXPECT_STREQ(missingFile.what(), "File not found");
  EXPECT_EQ(missingFile.ExitStatus(), 2);

  FileError missingFolder = OpenError(dir / "absent/file.txt");
  EXPECT_STREQ(missingFolder.what(), "Invalid filename");
  EXPECT_EQ(missingFolder.ExitStatus(), 3);

  testing_support::WriteBytes(dir / "plain", "x");
  FileError throughFile = OpenError(dir / "plain/file.txt");
  EXPECT_STREQ(throughFile.what(), "Invalid filename");
}

TEST(FileError, RelativeNamesAreClassifiedInTheCurrentFolder) {
  TempDir dir;
  std::string missingFile;
  std::string missingFolder;
  {
    testing_support::CurrentFolderScope inDir(dir.Path());
    missingFile = OpenError("absent.txt").what();
    missingFolder = OpenError("absent/file.txt").what();
  }
  EXPECT_EQ(missingFile, "File not found");
  EXPECT_EQ(missingFolder, "Invalid filename");
}

TEST(FileError, FolderGivenAsFileIsAccessDenied) {
  TempDir dir;
  FileError error = OpenError(dir.Path());
  EXPECT_STREQ(error.what(), "File access denied");
  EXPECT_EQ(error.ExitStatus(), 5);
}

TEST(FileError, ExitStatusesOfAChildAreReadBackAsTheSameError) {
  EXPECT_STREQ(FileError::FromExitStatus(2).what(), "File not found");
  EXPECT_STREQ(FileError::FromExitStatus(3).what(), "Invalid filename");
  EXPECT_STREQ(FileError::FromExitStatus(4).what(), "Too many open files");
  EXPECT_STREQ(FileError::FromExitStatus(5).what(), "File access denied");
  for (FileErrorKind kind : {FileErrorKind::FileNotFound, FileErrorKind::PathNotFound,
                             FileErrorKind::TooManyOpenFiles, FileErrorKind::AccessDenied}) {
    FileError error(kind, 0);
    EXPECT_STREQ(FileError::FromExitStatus(error.ExitStatus()).what(), error.what());
  }
}
