// Runs the built frasor.exe as the detection run does.
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "support/ChildProcess.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

namespace {

// The exit status of frasor.exe run on `input`, its standard error in
// `errors`.
int RunFrasor(const std::string& input, const std::string& errors) {
  std::string command = "'" FRASOR_EXE "' '" + input + "' 2>'" + errors + "'";
  int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(FrasorProgram, WritesTheSegmentedTextAndThenTheReadinessFile) {
  TempDir dir;
  std::string input = dir / "um texto.txt";
  WriteBytes(input, "Primeira frase. Segunda\nfrase longa.\n\nT\xEDtulo\n\nFim.");
  EXPECT_EQ(RunFrasor(input, dir / "errors"), 0);
  EXPECT_EQ(ReadBytes(input + ".seg"),
            "Primeira frase.\r\nSegunda frase longa.\r\nT\xEDtulo\r\nFim.\r\n");
  EXPECT_EQ(ReadBytes(input + "._frasor_ready_.tmp"), "");
}

TEST(FrasorProgram, ExitsWithTheFileErrorCodeAndNoReadinessFile) {
  TempDir dir;
  EXPECT_EQ(RunFrasor(dir / "nada.txt", dir / "errors"), 2);
  EXPECT_NE(ReadBytes(dir / "errors").find("File not found"), std::string::npos);
  EXPECT_FALSE(platform::FileExists(dir / "nada.txt._frasor_ready_.tmp"));

  EXPECT_EQ(RunFrasor(dir / "sem pasta/nada.txt", dir / "errors"), 3);

  // A folder in the place of the .seg: the readiness file must not appear.
  WriteBytes(dir / "texto.txt", "Frase.");
  ASSERT_EQ(mkdir((dir / "texto.txt.seg").c_str(), 0755), 0);
  EXPECT_EQ(RunFrasor(dir / "texto.txt", dir / "errors"), 5);
  EXPECT_FALSE(platform::FileExists(dir / "texto.txt._frasor_ready_.tmp"));
}

TEST(FrasorProgram, ExitsWithAccessDeniedWhenTheFolderIsNotWritable) {
  TempDir dir;
  testing_support::OpenUpForOthers(dir);
  std::string folder = dir / "leitura";
  ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
  WriteBytes(folder + "/texto.txt", "Frase.");
  chmod((folder + "/texto.txt").c_str(), 0644);
  chmod(folder.c_str(), 0555);
  int status = testing_support::RunUnprivileged(
      [&] { return RunFrasor(folder + "/texto.txt", "/dev/null"); });
  EXPECT_EQ(status, 5);
  EXPECT_FALSE(platform::FileExists(folder + "/texto.txt.seg"));
  EXPECT_FALSE(platform::FileExists(folder + "/texto.txt._frasor_ready_.tmp"));
}
