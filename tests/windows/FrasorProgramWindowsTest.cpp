// Runs the Windows build's frasor.exe, copied beside this test, as the
// detection run starts it, and with names that Windows-1252 cannot hold.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/Process.h"
#include "platform/win32/WideText.h"
#include "support/TempDir.h"

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteThroughPlatform;

namespace {

std::wstring FrasorPath() {
  std::vector<wchar_t> path(MAX_PATH);
  DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  std::wstring self(path.data(), length);
  return self.substr(0, self.find_last_of(L"\\/") + 1) + L"frasor.exe";
}

// The exit code of the program that the wide command line `commandLine` starts.
DWORD RunCommandLine(std::wstring commandLine) {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  EXPECT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &started));
  WaitForSingleObject(started.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(started.hProcess, &code);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return code;
}

}  // namespace

TEST(FrasorProgramOnWindows, SegmentsAFileWhoseNameHoldsWindows1252Characters) {
  // The euro sign, "Œ" and a dash lie where Latin-1 has controls, and other
  // code pages other letters.
  TempDir dir;
  std::string input = platform::PathUnder(dir.Path(), {"Cora\xE7\xE3o \x80 \x8C \x97.txt"});
  WriteThroughPlatform(input, "Primeira frase. Segunda\nfrase longa.\n\nT\xEDtulo\n\nFim.");
  platform::Process frasor =
      platform::Process::Start(platform::win32::NarrowPath(FrasorPath()), input);
  std::optional<platform::ProcessEnd> end;
  while (!(end = frasor.WaitForEnd(1000))) {
  }
  EXPECT_EQ(end->code, 0);
  EXPECT_EQ(ReadBytes(dir / "Cora\xE7\xE3o \x80 \x8C \x97.txt.seg"),
            "Primeira frase.\r\nSegunda frase longa.\r\nT\xEDtulo\r\nFim.\r\n");
  EXPECT_TRUE(platform::FileExists(input + "._frasor_ready_.tmp"));
}

TEST(FrasorProgramOnWindows, RefusesANameThatWindows1252CannotHold) {
  // "Ω.txt" exists, and so does "O.txt", which a best-fit conversion of the
  // name would give: neither is segmented.
  TempDir dir;
  std::wstring folder = platform::win32::WidePath(dir.Path());
  for (const wchar_t* name : {L"\\\u03A9.txt", L"\\O.txt"}) {
    HANDLE file = CreateFileW((folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
  }
  DWORD code = RunCommandLine(L"\"" + FrasorPath() + L"\" \"" + folder + L"\\\u03A9.txt\"");
  EXPECT_EQ(code, static_cast<DWORD>(ERROR_PATH_NOT_FOUND));  // "Invalid filename"
  EXPECT_EQ(GetFileAttributesW((folder + L"\\\u03A9.txt.seg").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesW((folder + L"\\\u03A9.txt._frasor_ready_.tmp").c_str()),
            INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(platform::FileExists(dir / "O.txt.seg"));
}
