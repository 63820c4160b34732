#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "platform/FileSystem.h"
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

TEST(OutputFile, CreateReplacesAnExistingFileAndWritesEveryByte) {
  TempDir dir;
  std::string path = dir / "report.txt";
  WriteBytes(path, std::string(100000, 'z'));
  std::string expected;
  platform::OutputFile file = platform::OutputFile::Create(path);
  for (int i = 0; i < 20000; ++i) {
    std::string piece = "linha " + std::to_string(i) + "\r\n";
    expected += piece;
    file.Write(piece);
  }
  std::string big(200000, 'q');
  file.Write(big);
  expected += big;
  file.Close();
  EXPECT_EQ(ReadBytes(path), expected);
}

TEST(OutputFile, CreateInAMissingOrReadOnlyFolderFails) {
  TempDir dir;
  try {
    platform::OutputFile::Create(dir / "absent/report.txt");
    FAIL() << "created a file in a missing folder";
  } catch (const FileError& error) {
    EXPECT_STREQ(error.what(), "Invalid filename");
  }

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

TEST(AppendFile, AppendsBehindTheLastByteAndReadsIt) {
  TempDir dir;
  std::string path = dir / "usuario.txt";
  WriteBytes(path, "blog");
  platform::AppendFile file(path);
  EXPECT_EQ(file.Size(), 4u);
  EXPECT_EQ(file.LastByte(), 'g');
  file.AppendBlock("\r\ntuitar\r\n");
  file.Close();
  EXPECT_EQ(ReadBytes(path), "blog\r\ntuitar\r\n");
}

TEST(AppendFile, AMissingFileIsNotCreated) {
  TempDir dir;
  try {
    platform::AppendFile file(dir / "usuario.txt");
    FAIL() << "opened a missing file for appending";
  } catch (const FileError& error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
  EXPECT_FALSE(platform::FileExists(dir / "usuario.txt"));
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

TEST(FileSystem, FileExistsAnswersForFilesOnly) {
  TempDir dir;
  EXPECT_FALSE(platform::FileExists(dir.Path()));
  EXPECT_FALSE(platform::FileExists(dir / "absent"));
  WriteBytes(dir / "present", "");
  EXPECT_TRUE(platform::FileExists(dir / "present"));
  EXPECT_TRUE(platform::RemoveFile(dir / "present"));
  EXPECT_FALSE(platform::FileExists(dir / "present"));
  EXPECT_FALSE(platform::RemoveFile(dir / "present"));
}

TEST(FileSystem, RenameReplacesTheTarget) {
  TempDir dir;
  WriteBytes(dir / "new", "novo");
  WriteBytes(dir / "old", "velho");
  platform::RenameFile(dir / "new", dir / "old");
  EXPECT_EQ(ReadBytes(dir / "old"), "novo");
  EXPECT_FALSE(platform::FileExists(dir / "new"));
}

TEST(FileSystem, TemporaryNamesFitBesideTheFileTheyReplace) {
  TempDir dir;
  EXPECT_EQ(platform::TemporaryNameBeside(dir / "a.txt", ".tmp"), dir / "a.txt.tmp");
  EXPECT_EQ(platform::TemporaryNameBeside("a.txt", ".tmp"), "a.txt.tmp");

  // Names at the file system's limit of 255 bytes, made of two-byte characters.
  std::string stem;
  while (stem.size() < 246) stem += "\xC3\xA9";
  std::string text = dir / (stem + "_r.txt");
  std::string html = dir / (stem + "_r.html");
  std::string textTemporary = platform::TemporaryNameBeside(text, ".lexavia-tmp");
  std::string htmlTemporary = platform::TemporaryNameBeside(html, ".lexavia-tmp");
  EXPECT_NE(textTemporary, htmlTemporary);
  for (const std::string& name : {textTemporary, htmlTemporary}) {
    ASSERT_EQ(name.rfind(dir.Path() + "/", 0), 0u);
    std::string last = name.substr(dir.Path().size() + 1);
    EXPECT_LE(last.size(), 255u);
    EXPECT_NE(static_cast<unsigned char>(last[0]) & 0xC0, 0x80) << "half a character";
    EXPECT_TRUE(last.ends_with(".lexavia-tmp"));
    platform::OutputFile file = platform::OutputFile::Create(name);
    file.Close();
  }
  platform::RenameFile(htmlTemporary, html);
  EXPECT_TRUE(platform::FileExists(html));
}
