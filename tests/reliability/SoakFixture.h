// Many runs in one process, successful and failing in turn, and what they
// must leave behind. Each platform's soak measures its own memory, handles
// and child processes around these rounds.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "detection/DetectionRun.h"
#include "support/RunFixture.h"

class SoakFixture : public testing_support::RunFixture {
 protected:
  void SetUp() override {
    RunFixture::SetUp();
    testing_support::WriteBytes(input_, "O blog novo de tuites e vlogs. Outro vlog, outro blog.\n");
    // A text whose HTML report cannot take its place: the run fails with its
    // candidates found, before either report replaces anything.
    testing_support::WriteBytes(blocked_, "Um podcast e um blog.\n");
    std::filesystem::create_directory(blocked_ + "_candidatos-neologismos.html");
  }

  // Round `run`: even rounds succeed, storing or not; odd ones fail on a
  // missing input or on the blocked report.
  void Round(int run) {
    statuses_.clear();  // the fixture's own record of the status line
    if (run % 2 == 0) {
      RunDetection(input_, run % 4 == 0, run % 8 == 0);
    } else if (run % 4 == 1) {
      EXPECT_EQ(FailureOf(texts_ / "ausente.txt"), "File not found");
    } else {
      EXPECT_EQ(FailureOf(blocked_, true), "File access denied");
    }
  }

  // Only the inputs and their reports; a word stored once, by the first
  // successful run that stored, never by a failed one; no stray dictionary.
  void ExpectNothingLeftBehind() {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(texts_.Path())) {
      files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files,
              (std::vector<std::string>{"artigo.txt", "artigo.txt_candidatos-neologismos.html",
                                        "artigo.txt_candidatos-neologismos.txt", "bloqueado.txt",
                                        "bloqueado.txt_candidatos-neologismos.html"}));
    std::string stored = testing_support::ReadBytes(userPath_);
    EXPECT_EQ(stored.find("blog\r\n"), stored.rfind("blog\r\n"));
    EXPECT_NE(stored.find("blog\r\n"), std::string::npos);
    EXPECT_EQ(stored.find("podcast"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(app_ / "dicionarios"),
                            std::filesystem::directory_iterator()),
              2);
  }

  std::string blocked_ = texts_ / "bloqueado.txt";
};
