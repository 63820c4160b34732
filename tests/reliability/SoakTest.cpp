// A thousand runs in one process, successful and failing in turn: memory
// stays level, and no descriptor, temporary file or zombie is left behind.

#include <filesystem>
#include <fstream>
#include <string>

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
  std::size_t descriptors = OpenDescriptors();
  std::size_t residentAtTen = 0;
  for (int run = 1; run <= 1000; ++run) {
    statuses_.clear();  // the fixture's own record of the status line
    if (run % 2 == 0) {
      RunDetection(input_, false, run % 4 == 0);
    } else {
      EXPECT_EQ(FailureOf(texts_ / "ausente.txt"), "File not found");
    }
    if (run == 10) residentAtTen = ResidentKilobytes();
  }
  std::size_t residentAtThousand = ResidentKilobytes();
  EXPECT_LE(residentAtThousand, residentAtTen + residentAtTen / 50)
      << residentAtTen << " kB after run 10, " << residentAtThousand << " kB after run 1000";
  EXPECT_EQ(OpenDescriptors(), descriptors);
  EXPECT_EQ(Zombies(), 0);
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(texts_.Path())) {
    ++files;
    EXPECT_TRUE(entry.path().filename() == "artigo.txt" ||
                entry.path().filename().string().find("_candidatos-neologismos.") !=
                    std::string::npos)
        << entry.path();
  }
  EXPECT_EQ(files, 3u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(app_ / "dicionarios"),
                          std::filesystem::directory_iterator()),
            2);
}
