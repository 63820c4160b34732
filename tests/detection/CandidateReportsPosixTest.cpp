// Reports in folders closed to new files and on full disks.
#include <sys/stat.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "detection/ReportsFixture.h"
#include "platform/FileError.h"
#include "support/ChildProcess.h"

using ReportsPosixTest = ReportsTest;

TEST_F(ReportsPosixTest, AnUnwritableFolderIsAccessDeniedAndLeavesTheOldReports) {
  WriteBytes(input_ + "_candidatos-neologismos.txt", "antigo");
  testing_support::OpenUpForOthers(dir_);
  ASSERT_EQ(chmod(dir_.Path().c_str(), 0555), 0);
  int status = testing_support::RunUnprivileged([&] {
    try {
      WriteCandidateFiles(input_);
    } catch (const platform::FileError& error) {
      return std::string(error.what()) == "File access denied" ? 0 : 1;
    }
    return 2;
  });
  ASSERT_EQ(chmod(dir_.Path().c_str(), 0755), 0);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(TextReport(), "antigo");
  EXPECT_EQ(FilesIn(dir_.Path()).size(), 1u);
}

TEST_F(ReportsPosixTest, AFullDiskLeavesTheOldReportsAndNoTemporaryFile) {
  WriteBytes(input_ + "_candidatos-neologismos.txt", "antigo txt");
  WriteBytes(input_ + "_candidatos-neologismos.html", "antigo html");
  auto sentence = std::make_shared<const std::string>(std::string(300, 'p') + " ");
  for (int i = 0; i < 2000; ++i) AddCandidate("palavra", sentence);
  // Each report would need about 600 kB.
  int status = testing_support::RunWithFileSizeLimit(100000, [&] {
    try {
      WriteCandidateFiles(input_);
    } catch (const platform::FileError& error) {
      return error.Kind() == platform::FileErrorKind::Other ? 0 : 1;
    }
    return 2;
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(TextReport(), "antigo txt");
  EXPECT_EQ(HtmlReport(), "antigo html");
  EXPECT_EQ(FilesIn(dir_.Path()).size(), 2u);
}

TEST_F(ReportsPosixTest, AFolderClosedToNewFilesStillTakesReportsThatMayBeWritten) {
  WriteBytes(input_ + "_candidatos-neologismos.txt", "antigo txt");
  WriteBytes(input_ + "_candidatos-neologismos.html", "antigo html");
  chmod((input_ + "_candidatos-neologismos.txt").c_str(), 0666);
  chmod((input_ + "_candidatos-neologismos.html").c_str(), 0666);
  AddCandidate("blog", std::make_shared<const std::string>("Um blog. "));
  testing_support::OpenUpForOthers(dir_);
  ASSERT_EQ(chmod(dir_.Path().c_str(), 0555), 0);
  int status = testing_support::RunUnprivileged([&] {
    try {
      WriteCandidateFiles(input_);
    } catch (const platform::FileError&) {
      return 1;
    }
    return 0;
  });
  ASSERT_EQ(chmod(dir_.Path().c_str(), 0755), 0);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(TextReport(), TextHeader + "blog; N\xE3o; Um blog. \r\n");
  EXPECT_EQ(
      HtmlReport(),
      HtmlHeader + "<tr><td>blog</td><td>N\xE3o</td><td>Um blog. </td></tr>\r\n" + HtmlFooter);
  EXPECT_EQ(FilesIn(dir_.Path()).size(), 2u);
}
