#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "platform/Process.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

using platform::FileErrorKind;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

// A shell script in `dir` doing `body`; "$1" is its argument.
std::string Script(const TempDir& dir, const std::string& body, mode_t mode = 0755) {
  std::string path = dir / "script";
  WriteBytes(path, "#!/bin/sh\n" + body + "\n");
  chmod(path.c_str(), mode);
  return path;
}

platform::ProcessEnd WaitForEnd(platform::Process& process) {
  for (;;) {
    if (std::optional<platform::ProcessEnd> end = process.WaitForEnd(1000)) return *end;
  }
}

FileErrorKind StartErrorKind(const std::string& program) {
  try {
    platform::Process::Start(program, "x");
  } catch (const platform::FileError& error) {
    return error.Kind();
  }
  ADD_FAILURE() << "started " << program;
  return FileErrorKind::Other;
}

int ChildrenLeft() { return static_cast<int>(testing_support::ChildrenOfThisProcess().size()); }

}  // namespace

TEST(Process, PassesProgramAndArgumentAsTheyAre) {
  TempDir dir;
  // Blanks, quotes, backslashes and a leading dash reach the child unsplit.
  std::string program = Script(dir, "printf '%s|%s' \"$#\" \"$1\" > \"$0.out\"");
  for (std::string argument : {"a b", "cita \"x\" \\\"", "-op\xE7\xE3o", "", "x\\"}) {
    platform::Process child = platform::Process::Start(program, argument);
    EXPECT_EQ(WaitForEnd(child).code, 0);
    EXPECT_EQ(testing_support::ReadBytes(program + ".out"), "1|" + argument);
  }
}

TEST(Process, ReportsTheExitStatusOrTheKillingSignal) {
  TempDir dir;
  platform::Process exits = platform::Process::Start(Script(dir, "exit 7"), "x");
  platform::ProcessEnd end = WaitForEnd(exits);
  EXPECT_FALSE(end.killedBySignal);
  EXPECT_EQ(end.code, 7);

  platform::Process killed = platform::Process::Start(Script(dir, "kill -9 $$"), "x");
  end = WaitForEnd(killed);
  EXPECT_TRUE(end.killedBySignal);
  EXPECT_EQ(end.code, 9);
}

TEST(Process, GivesTheChildTheNullDeviceAsInput) {
  TempDir dir;
  platform::Process reader = platform::Process::Start(Script(dir, "read line || exit 4"), "x");
  EXPECT_EQ(WaitForEnd(reader).code, 4);
}

TEST(Process, AHandleLeavesNoProcessBehindRunningOrEnded) {
  TempDir dir;
  {
    platform::Process lingering = platform::Process::Start(Script(dir, "exec sleep 600"), "x");
    EXPECT_FALSE(lingering.PollEnd());
    EXPECT_EQ(ChildrenLeft(), 1);
  }
  EXPECT_EQ(ChildrenLeft(), 0);
  {
    // Ended but never asked: a zombie until the handle goes.
    platform::Process ended = platform::Process::Start(Script(dir, ": > \"$0.done\""), "x");
    while (!std::filesystem::exists(dir / "script.done")) platform::SleepMicroseconds(1000);
  }
  EXPECT_EQ(ChildrenLeft(), 0);
}

TEST(Process, FailsToStartMissingAndNonExecutablePrograms) {
  TempDir dir;
  EXPECT_EQ(StartErrorKind(dir / "nada"), FileErrorKind::FileNotFound);
  EXPECT_EQ(StartErrorKind(dir / "sem pasta/nada"), FileErrorKind::FileNotFound);
  EXPECT_EQ(StartErrorKind(Script(dir, "exit 0", 0644)), FileErrorKind::AccessDenied);
  EXPECT_EQ(StartErrorKind(""), FileErrorKind::FileNotFound);
  EXPECT_EQ(ChildrenLeft(), 0);
}
