// A temporary folder for an input and its reports, with an empty candidate
// list.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "detection/CandidateList.h"
#include "detection/CandidateReports.h"
#include "support/ExpectedReports.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

inline const std::string& TextHeader = testing_support::TextReportHeader;
inline const std::string& HtmlHeader = testing_support::HtmlReportHeader;
inline const std::string& HtmlFooter = testing_support::HtmlReportFooter;

inline std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
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
