// A name holding a NUL names no file, for every call that takes one.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/Process.h"
#include "platform/TextFile.h"
#include "support/TempDir.h"

using platform::FileError;
using testing_support::TempDir;

TEST(PathRefusal, ANameHoldingANulIsRefusedByEveryCallThatTakesAPath) {
  TempDir dir;
  std::string text = dir / "texto.txt";
  testing_support::WriteBytes(text, "Um texto.");
  // Cut at the NUL, each of these names would be the text itself.
  std::string withNul = text + std::string(1, '\0') + ".bak";
  auto expectRefused = [&](const char* call, const std::function<void()>& operation) {
    try {
      operation();
      ADD_FAILURE() << call << " accepted a name holding a NUL";
    } catch (const FileError& error) {
      EXPECT_STREQ(error.what(), "Invalid filename") << call;
    }
  };
  expectRefused("InputFile", [&] { platform::InputFile file(withNul); });
  expectRefused("LineReader", [&] { platform::LineReader reader(withNul); });
  expectRefused("OutputFile::Create", [&] { platform::OutputFile::Create(withNul); });
  expectRefused("AppendFile", [&] { platform::AppendFile file(withNul); });
  expectRefused("FileExists", [&] { platform::FileExists(withNul); });
  expectRefused("RemoveFile", [&] { platform::RemoveFile(withNul); });
  expectRefused("RenameFile from", [&] { platform::RenameFile(withNul, dir / "outro.txt"); });
  expectRefused("RenameFile to", [&] { platform::RenameFile(dir / "outro.txt", withNul); });
  expectRefused("Process::Start program", [&] { platform::Process::Start(withNul, "x"); });
  expectRefused("Process::Start argument", [&] { platform::Process::Start("/bin/true", withNul); });
  EXPECT_EQ(testing_support::ReadBytes(text), "Um texto.");
}
