// A thousand runs in one process, successful and failing in turn: memory
// stays level, and no descriptor, temporary file or zombie is left behind.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "detection/DetectionRun.h"
#include "platform/FileError.h"
#include "support/ChildProcess.h"
#include "support/RunFixture.h"

using testing_support::WriteBytes;

namespace {

std::size_t ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stoul(line.substr(6));
  }
  return 0;
}

std::size_t OpenDescriptors() {
  return static_cast<std::size_t>(std::distance(
      std::filesystem::directory_iterator("/proc/self/fd"), std::filesystem::directory_iterator()));
}

int Zombies() {
  int zombies = 0;
  for (const testing_support::ChildState& child : testing_support::ChildrenOfThisProcess()) {
    zombies += child.state == 'Z' ? 1 : 0;
  }
  return zombies;
}

using SoakTest = testing_support::RunFixture;

}  // namespace

TEST_F(SoakTest, AThousandRunsLeaveNothingBehind) {
  WriteBytes(input_, "O blog novo de tuites e vlogs. Outro vlog, outro blog.\n");
  // A text whose HTML report cannot take its place: the run fails with its
  // candidates found and both reports written, before it replaces either.
  std::string blocked = texts_ / "bloqueado.txt";
  WriteBytes(blocked, "Um podcast e um blog.\n");
  std::filesystem::create_directory(blocked + "_candidatos-neologismos.html");
  std::size_t descriptors = OpenDescriptors();
  std::size_t residentAtTen = 0;
  for (int run = 1; run <= 1000; ++run) {
    statuses_.clear();  // the fixture's own record of the status line
    if (run % 2 == 0) {
      RunDetection(input_, run % 4 == 0, run % 8 == 0);
    } else if (run % 4 == 1) {
      EXPECT_EQ(FailureOf(texts_ / "ausente.txt"), "File not found");
    } else {
      EXPECT_EQ(FailureOf(blocked, true), "File access denied");
    }
    if (run == 10) residentAtTen = ResidentKilobytes();
  }
  std::size_t residentAtThousand = ResidentKilobytes();
  std::cout << "resident memory: " << residentAtTen << " kB after run 10, " << residentAtThousand
            << " kB after run 1000\n";
  EXPECT_LE(residentAtThousand, residentAtTen + residentAtTen / 50);
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_EQ(Zombies(), 0);
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(texts_.Path())) {
    files.push_back(entry.path().filename());
  }
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files,
            (std::vector<std::string>{"artigo.txt", "artigo.txt_candidatos-neologismos.html",
                                      "artigo.txt_candidatos-neologismos.txt", "bloqueado.txt",
                                      "bloqueado.txt_candidatos-neologismos.html"}));
  // Stored once, by the first successful run that stored; never by a failed one.
  std::string stored = testing_support::ReadBytes(userPath_);
  EXPECT_EQ(stored.find("blog\r\n"), stored.rfind("blog\r\n"));
  EXPECT_NE(stored.find("blog\r\n"), std::string::npos);
  EXPECT_EQ(stored.find("podcast"), std::string::npos);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(app_ / "dicionarios"),
                          std::filesystem::directory_iterator()),
            2);
}
