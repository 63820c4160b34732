// Runs on inputs a user may well give, and the checks of what each run
// left: well-formed reports, whole word lines in the user dictionary, no
// temporary files.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "detection/DetectionRun.h"
#include "detection/WordChars.h"
#include "platform/FileError.h"
#include "support/ExpectedReports.h"
#include "support/RunFixture.h"

class BadInputTest : public testing_support::RunFixture {
 protected:
  // Runs on `input`, storing new words, and checks that what the run left is
  // sound: well-formed reports, a user dictionary of whole word lines only,
  // no temporary files. Returns the run's error message, or "" on success.
  std::string RunAndCheck(const std::string& input) {
    std::string error;
    try {
      EXPECT_EQ(RunDetection(input, true, false), testing_support::CompletionFor(input));
      ExpectWellFormedReports(input);
    } catch (const platform::FileError& failure) {
      error = failure.what();
    }
    ExpectNoTemporaryFilesOf(input);
    ExpectWholeWordLines(testing_support::ReadBytes(userPath_));
    return error;
  }

  static void ExpectWellFormedReports(const std::string& input) {
    std::string text = testing_support::ReadBytes(input + "_candidatos-neologismos.txt");
    std::string html = testing_support::ReadBytes(input + "_candidatos-neologismos.html");
    ASSERT_EQ(text.rfind(testing_support::TextReportHeader, 0), 0u);
    ASSERT_EQ(html.rfind(testing_support::HtmlReportHeader, 0), 0u);
    EXPECT_TRUE(html.ends_with(testing_support::HtmlReportFooter));
    std::size_t rows = 0;
    for (std::size_t at = text.find(" \r\n"); at != std::string::npos;
         at = text.find(" \r\n", at + 1))
      ++rows;
    std::size_t htmlRows = 0;
    for (std::size_t at = html.find("</td></tr>\r\n"); at != std::string::npos;
         at = html.find("</td></tr>\r\n", at + 1)) {
      ++htmlRows;
    }
    EXPECT_EQ(htmlRows, rows + 1);  // the header row ends the same way
  }

  // Every stored line is a word the scanner could have found, ended by CR LF.
  static void ExpectWholeWordLines(const std::string& dictionary) {
    std::size_t start = 0;
    while (start < dictionary.size()) {
      std::size_t end = dictionary.find("\r\n", start);
      ASSERT_NE(end, std::string::npos) << "a line without CR LF at byte " << start;
      ASSERT_GT(end, start) << "an empty line at byte " << start;
      for (std::size_t i = start; i < end; ++i) {
        ASSERT_TRUE(IsWordChar(static_cast<unsigned char>(dictionary[i]))) << "byte " << i;
      }
      start = end + 2;
    }
  }
};
