#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "detection/CandidateList.h"
#include "detection/CandidateReports.h"
#include "platform/FileError.h"
#include "support/ChildProcess.h"
#include "support/ExpectedReports.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

const std::string& TextHeader = testing_support::TextReportHeader;
const std::string& HtmlHeader = testing_support::HtmlReportHeader;
const std::string& HtmlFooter = testing_support::HtmlReportFooter;

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  while (dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(dir);
  return names;
}

class ReportsTest : public ::testing::Test {
 protected:
  void SetUp() override { FreeCandidates(); }
  void TearDown() override { FreeCandidates(); }

  std::string TextReport() { return ReadBytes(input_ + "_candidatos-neologismos.txt"); }
  std::string HtmlReport() { return ReadBytes(input_ + "_candidatos-neologismos.html"); }

  TempDir dir_;
  std::string input_ = dir_ / "artigo.txt";
};

}  // namespace

TEST_F(ReportsTest, AnEmptyListGivesTheHeadersOnly) {
  WriteCandidateFiles(input_);
  EXPECT_EQ(TextHeader.size(), 37u);
  EXPECT_EQ(TextReport(), TextHeader);
  EXPECT_EQ(HtmlReport(), HtmlHeader + HtmlFooter);
}

TEST_F(ReportsTest, RowsFollowTheListByteForByte) {
  auto first = std::make_shared<const std::string>("O Blogueiro tuitou  ");
  auto second = std::make_shared<const std::string>("a\xE7\xE3o nova ");
  AddCandidate("Blogueiro", first);
  AddCandidate("tuitou", first);
  AddCandidate("a\xE7\xE3o", second);
  WriteCandidateFiles(input_);
  EXPECT_EQ(TextReport(), TextHeader +
                              "Blogueiro; Talvez; O Blogueiro tuitou  \r\n"
                              "tuitou; N\xE3o; O Blogueiro tuitou  \r\n"
                              "a\xE7\xE3o; N\xE3o; a\xE7\xE3o nova \r\n");
  EXPECT_EQ(HtmlReport(),
            HtmlHeader +
                "<tr><td>Blogueiro</td><td>Talvez</td><td>O Blogueiro tuitou  </td></tr>\r\n"
                "<tr><td>tuitou</td><td>N\xE3o</td><td>O Blogueiro tuitou  </td></tr>\r\n"
                "<tr><td>a\xE7\xE3o</td><td>N\xE3o</td><td>a\xE7\xE3o nova </td></tr>\r\n" +
                HtmlFooter);
}

TEST_F(ReportsTest, TheHtmlReportEscapesMarkupAndTheTextReportKeepsIt) {
  AddCandidate("script", std::make_shared<const std::string>(
                             "<script>alert(1)</script> a < b & c > d \"e\" "));
  WriteCandidateFiles(input_);
  EXPECT_EQ(TextReport(),
            TextHeader + "script; N\xE3o; <script>alert(1)</script> a < b & c > d \"e\" \r\n");
  EXPECT_EQ(HtmlReport(),
            HtmlHeader +
                "<tr><td>script</td><td>N\xE3o</td><td>&lt;script&gt;alert(1)&lt;/script&gt; "
                "a &lt; b &amp; c &gt; d \"e\" </td></tr>\r\n" +
                HtmlFooter);
}

TEST_F(ReportsTest, ReportsOfAnEarlierRunAreReplaced) {
  WriteBytes(input_ + "_candidatos-neologismos.txt", std::string(5000, 'x'));
  WriteBytes(input_ + "_candidatos-neologismos.html", std::string(5000, 'x'));
  WriteCandidateFiles(input_);
  EXPECT_EQ(TextReport(), TextHeader);
  EXPECT_EQ(HtmlReport(), HtmlHeader + HtmlFooter);
  EXPECT_EQ(FilesIn(dir_.Path()).size(), 2u);
}

TEST_F(ReportsTest, AnUnwritableFolderIsAccessDeniedAndLeavesTheOldReports) {
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

TEST_F(ReportsTest, AFullDiskLeavesTheOldReportsAndNoTemporaryFile) {
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

TEST_F(ReportsTest, AFolderClosedToNewFilesStillTakesReportsThatMayBeWritten) {
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
