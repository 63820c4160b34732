// Buffered files and the file system's operations, on every platform.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

using platform::FileError;
using testing_support::ErrorOf;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

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

TEST(OutputFile, CreateInAMissingFolderFails) {
  TempDir dir;
  EXPECT_EQ(ErrorOf([&] { platform::OutputFile::Create(dir / "absent/report.txt"); }),
            "Invalid filename");
}

TEST(OutputFile, FilesCreatedBesideAReportHaveShortNamesOfTheirOwn) {
  TempDir dir;
  std::string report = dir / "a.txt_candidatos-neologismos.html";
  WriteBytes(report, "antigo");
  std::string first;
  std::string second;
  platform::OutputFile firstFile = platform::OutputFile::CreateBeside(report, first);
  platform::OutputFile secondFile = platform::OutputFile::CreateBeside(report, second);
  firstFile.Write("primeiro");
  secondFile.Write("segundo");
  firstFile.Close();
  secondFile.Close();
  EXPECT_NE(first, second);
  for (const std::string& name : {first, second}) {
    // In the report's folder, never a longer path than the report's own.
    EXPECT_EQ(name.substr(0, name.size() - 20), report.substr(0, report.rfind('/') + 1)) << name;
    EXPECT_LT(name.size(), report.size()) << name;
    EXPECT_TRUE(name.ends_with(platform::TemporaryEnding)) << name;
  }
  EXPECT_EQ(ReadBytes(first), "primeiro");
  EXPECT_EQ(ReadBytes(second), "segundo");
  EXPECT_EQ(ReadBytes(report), "antigo");
  // A bare name stays in the current folder.
  std::string bare = platform::TemporaryNameBeside("artigo.txt_candidatos-neologismos.txt");
  EXPECT_EQ(bare.size(), 20u);
  EXPECT_TRUE(bare.ends_with(platform::TemporaryEnding));
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
  EXPECT_EQ(ErrorOf([&] { platform::AppendFile file(dir / "usuario.txt"); }), "File not found");
  EXPECT_FALSE(platform::FileExists(dir / "usuario.txt"));
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
  platform::CheckReplaceable(dir / "old");
  platform::RenameFile(dir / "new", dir / "old");
  EXPECT_EQ(ReadBytes(dir / "old"), "novo");
  EXPECT_FALSE(platform::FileExists(dir / "new"));
}

TEST(FileSystem, AFolderCannotBeReplacedAndAMissingFileCan) {
  TempDir dir;
  std::filesystem::create_directory(dir / "pasta");
  EXPECT_NE(ErrorOf([&] { platform::CheckReplaceable(dir / "pasta"); }), "no error");
  EXPECT_EQ(ErrorOf([&] { platform::CheckReplaceable(dir / "ausente"); }), "no error");
}
