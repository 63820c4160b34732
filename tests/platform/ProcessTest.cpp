#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "platform/Process.h"
#include "support/TempDir.h"

using platform::FileErrorKind;
using platform::SplitCommandLine;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

using Arguments = std::vector<std::string>;

platform::ProcessEnd WaitForEnd(platform::Process& process) {
  for (;;) {
    if (std::optional<platform::ProcessEnd> end = process.PollEnd()) return *end;
    platform::SleepMicroseconds(1000);
  }
}

FileErrorKind StartErrorKind(const std::string& commandLine) {
  try {
    platform::Process::Start(commandLine);
  } catch (const platform::FileError& error) {
    return error.Kind();
  }
  ADD_FAILURE() << "started " << commandLine;
  return FileErrorKind::Other;
}

}  // namespace

TEST(SplitCommandLine, QuotesGroupAndBlanksSeparate) {
  EXPECT_EQ(SplitCommandLine(R"("C:\Program Files\frasor.exe" "um texto.txt" b)"),
            (Arguments{R"(C:\Program Files\frasor.exe)", "um texto.txt", "b"}));
  EXPECT_EQ(SplitCommandLine("  p\ta  b\t"), (Arguments{"p", "a", "b"}));
  EXPECT_EQ(SplitCommandLine(R"(p a"b c"d "")"), (Arguments{"p", "ab cd", ""}));
  EXPECT_TRUE(SplitCommandLine(" \t ").empty());
}

TEST(SplitCommandLine, BackslashesEscapeOnlyBeforeQuotes) {
  EXPECT_EQ(SplitCommandLine(R"(p a\\b c\d)"), (Arguments{"p", R"(a\\b)", R"(c\d)"}));
  EXPECT_EQ(SplitCommandLine(R"(p a\"b)"), (Arguments{"p", R"(a"b)"}));
  EXPECT_EQ(SplitCommandLine(R"(p a\\\"b)"), (Arguments{"p", R"(a\"b)"}));
  EXPECT_EQ(SplitCommandLine(R"(p "a\\" b)"), (Arguments{"p", R"(a\)", "b"}));
  EXPECT_EQ(SplitCommandLine(R"(p "a""b c")"), (Arguments{"p", R"(a"b c)"}));
}

TEST(SplitCommandLine, TakesBackslashesInTheProgramAsTheyAre) {
  EXPECT_EQ(SplitCommandLine(R"("C:\dir\"x y)"), (Arguments{R"(C:\dir\x)", "y"}));
  EXPECT_EQ(SplitCommandLine(R"(C:\a\\b.exe)"), (Arguments{R"(C:\a\\b.exe)"}));
}

TEST(Process, ReportsTheExitStatusOrTheKillingSignal) {
  platform::Process exits = platform::Process::Start(R"(/bin/sh -c "exit 7")");
  platform::ProcessEnd end = WaitForEnd(exits);
  EXPECT_FALSE(end.killedBySignal);
  EXPECT_EQ(end.code, 7);

  platform::Process killed = platform::Process::Start(R"(/bin/sh -c "kill -9 $$")");
  end = WaitForEnd(killed);
  EXPECT_TRUE(end.killedBySignal);
  EXPECT_EQ(end.code, 9);
}

TEST(Process, GivesTheChildTheNullDeviceAsInput) {
  platform::Process reader = platform::Process::Start(R"(/bin/sh -c "read line || exit 4")");
  EXPECT_EQ(WaitForEnd(reader).code, 4);
}

TEST(Process, FailsToStartMissingAndNonExecutablePrograms) {
  TempDir dir;
  EXPECT_EQ(StartErrorKind("\"" + (dir / "nada") + "\""), FileErrorKind::FileNotFound);
  EXPECT_EQ(StartErrorKind("\"" + (dir / "sem pasta/nada") + "\""), FileErrorKind::FileNotFound);
  WriteBytes(dir / "script", "#!/bin/sh\nexit 0\n");
  chmod((dir / "script").c_str(), 0644);
  EXPECT_EQ(StartErrorKind("\"" + (dir / "script") + "\""), FileErrorKind::AccessDenied);
  EXPECT_EQ(StartErrorKind(""), FileErrorKind::FileNotFound);
}
