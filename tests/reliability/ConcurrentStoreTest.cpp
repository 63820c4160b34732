// Two programs storing into one user dictionary at the same time, as two
// Lexavia processes started in one application folder: no word is lost,
// doubled or mixed with another. This test program starts itself twice;
// each child runs ConcurrentStoreChild in the folder it is started in.
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "detection/DetectionRun.h"
#include "platform/FileSystem.h"
#include "platform/Process.h"
#include "support/RunFixture.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::WriteBytes;

namespace {

constexpr int Runs = 100;
// Present only in the application folder a child is started in.
constexpr const char* ChildMarker = "loja-concorrente.marca";
// Where a child leaves why it failed, after its name ("beta.falha").
constexpr const char* FailureSuffix = ".falha";

// One of the two programs: `Runs` runs, each storing five words of its own
// and one that the other program stores too, unless it finds it there.
class ConcurrentStoreChild : public ::testing::TestWithParam<const char*> {};

using ConcurrentStoreTest = testing_support::RunFixture;

int ExitStatusOf(platform::Process& process) {
  std::optional<platform::ProcessEnd> end;
  while (!(end = process.WaitForEnd(1000))) {
  }
  return end->killedBySignal ? -1 : end->code;
}

}  // namespace

TEST_P(ConcurrentStoreChild, StoresItsWords) {
  if (!platform::FileExists(ChildMarker)) GTEST_SKIP() << "runs only as a child of the test below";
  std::string prefix = GetParam();
  StartUp();
  std::string text = prefix + ".txt";
  int run = 0;
  try {
    for (; run < Runs; ++run) {
      std::ostringstream words;
      for (int word = 0; word < 5; ++word) {
        words << prefix << char('a' + run % 26) << char('a' + run / 26) << char('a' + word) << ' ';
      }
      words << "comum" << char('a' + run % 26) << char('a' + run / 26) << ' ';
      WriteBytes(text, words.str() + ".\n");
      RunDetection(text, true, false);
    }
  } catch (const std::exception& failure) {
    // A child's own output reaches no one: the test that started it reports this.
    WriteBytes(prefix + FailureSuffix, "run " + std::to_string(run) + ": " + failure.what());
    throw;
  }
  ShutDown();
}

INSTANTIATE_TEST_SUITE_P(Programs, ConcurrentStoreChild, ::testing::Values("alfa", "beta"));

TEST_F(ConcurrentStoreTest, TwoProgramsStoringIntoOneUserDictionaryLoseAndMixNothing) {
  WriteBytes(app_ / ChildMarker, "");
  platform::Process alfa = platform::Process::Start(
      TEST_PROGRAM, "--gtest_filter=Programs/ConcurrentStoreChild.StoresItsWords/0");
  platform::Process beta = platform::Process::Start(
      TEST_PROGRAM, "--gtest_filter=Programs/ConcurrentStoreChild.StoresItsWords/1");
  EXPECT_EQ(ExitStatusOf(alfa), 0);
  EXPECT_EQ(ExitStatusOf(beta), 0);
  for (std::string child : {"alfa", "beta"}) {
    std::string failure = app_ / (child + FailureSuffix);
    if (platform::FileExists(failure)) ADD_FAILURE() << child << ", " << ReadBytes(failure);
  }

  std::map<std::string, int> lines;
  std::string stored = ReadBytes(userPath_);
  std::istringstream in(stored);
  for (std::string line; std::getline(in, line);) {
    ASSERT_TRUE(line.ends_with('\r')) << line;
    ++lines[line.substr(0, line.size() - 1)];
  }
  EXPECT_TRUE(stored.ends_with("\r\n"));
  EXPECT_EQ(lines.size(), 2u * Runs * 5 + Runs);
  for (const auto& [word, count] : lines) {
    if (word.rfind("comum", 0) == 0) {
      EXPECT_TRUE(count == 1 || count == 2) << word << " " << count;
    } else {
      EXPECT_EQ(count, 1) << word;
      EXPECT_TRUE(word.rfind("alfa", 0) == 0 || word.rfind("beta", 0) == 0) << word;
    }
    EXPECT_EQ(word.size(), 7u) << word;
  }
}
