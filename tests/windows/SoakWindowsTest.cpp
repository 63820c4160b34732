// A hundred runs in one process, successful and failing in turn: memory
// stays level, and no handle, temporary file or segmenter is left behind.
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <iostream>

#include <gtest/gtest.h>

#include "reliability/SoakFixture.h"

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

using SoakTest = SoakFixture;

}  // namespace

TEST_F(SoakTest, AHundredRunsLeaveNothingBehind) {
  DWORD handles = OpenHandles();
  std::size_t workingSetAtTen = 0;
  for (int run = 1; run <= 100; ++run) {
    Round(run);
    if (run == 10) workingSetAtTen = WorkingSetKilobytes();
  }
  std::size_t workingSetAtHundred = WorkingSetKilobytes();
  std::cout << "working set: " << workingSetAtTen << " kB after run 10, " << workingSetAtHundred
            << " kB after run 100\n";
  EXPECT_LE(workingSetAtHundred, workingSetAtTen + workingSetAtTen / 50);
  EXPECT_EQ(OpenHandles(), handles);
  EXPECT_EQ(ChildProcesses(), 0);
  ExpectNothingLeftBehind();
}
