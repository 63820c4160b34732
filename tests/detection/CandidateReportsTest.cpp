// The two reports, byte for byte, from the candidate list.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "detection/ReportsFixture.h"

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
