// A hundred runs in one process, successful and failing in turn: memory
// stays level, and no handle, temporary file or segmenter is left behind.
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "detection/DetectionRun.h"
#include "support/RunFixture.h"

using testing_support::WriteBytes;

namespace {

std::size_t WorkingSetKilobytes() {
  PROCESS_MEMORY_COUNTERS counters = {};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize / 1024;
}

DWORD OpenHandles() {
  DWORD handles = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handles);
  return handles;
}

int ChildProcesses() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  int children = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    children += entry.th32ParentProcessID == GetCurrentProcessId() ? 1 : 0;
  }
  CloseHandle(snapshot);
  return children;
}

using SoakTest = testing_support::RunFixture;

}  // namespace

TEST_F(SoakTest, AHundredRunsLeaveNothingBehind) {
  WriteBytes(input_, "O blog novo de tuites e vlogs. Outro vlog, outro blog.\n");
  // A text whose HTML report cannot take its place: the run fails with its
  // candidates found, before either report replaces anything.
  std::string blocked = texts_ / "bloqueado.txt";
  WriteBytes(blocked, "Um podcast e um blog.\n");
  std::filesystem::create_directory(blocked + "_candidatos-neologismos.html");
  DWORD handles = OpenHandles();
  std::size_t workingSetAtTen = 0;
  for (int run = 1; run <= 100; ++run) {
    statuses_.clear();  // the fixture's own record of the status line
    if (run % 2 == 0) {
      RunDetection(input_, run % 4 == 0, run % 8 == 0);
    } else if (run % 4 == 1) {
      EXPECT_EQ(FailureOf(texts_ / "ausente.txt"), "File not found");
    } else {
      EXPECT_EQ(FailureOf(blocked, true), "File access denied");
    }
    if (run == 10) workingSetAtTen = WorkingSetKilobytes();
  }
  std::size_t workingSetAtHundred = WorkingSetKilobytes();
  std::cout << "working set: " << workingSetAtTen << " kB after run 10, " << workingSetAtHundred
            << " kB after run 100\n";
  EXPECT_LE(workingSetAtHundred, workingSetAtTen + workingSetAtTen / 50);
  EXPECT_EQ(OpenHandles(), handles);
  EXPECT_EQ(ChildProcesses(), 0);
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(texts_.Path())) {
    files.push_back(entry.path().filename().string());
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
