// A thousand runs in one process, successful and failing in turn: memory
// stays level, and no descriptor, temporary file or zombie is left behind.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include <gtest/gtest.h>

#include "reliability/SoakFixture.h"
#include "support/ChildProcess.h"

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

using SoakTest = SoakFixture;

}  // namespace

TEST_F(SoakTest, AThousandRunsLeaveNothingBehind) {
  std::size_t descriptors = OpenDescriptors();
  std::size_t residentAtTen = 0;
  for (int run = 1; run <= 1000; ++run) {
    Round(run);
    if (run == 10) residentAtTen = ResidentKilobytes();
  }
  std::size_t residentAtThousand = ResidentKilobytes();
  std::cout << "resident memory: " << residentAtTen << " kB after run 10, " << residentAtThousand
            << " kB after run 1000\n";
  EXPECT_LE(residentAtThousand, residentAtTen + residentAtTen / 50);
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_EQ(Zombies(), 0);
  ExpectNothingLeftBehind();
}
