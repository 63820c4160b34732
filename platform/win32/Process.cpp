#include "platform/Process.h"

#include <windows.h>

#include "platform/CommandLine.h"
#include "platform/FileError.h"
#include "platform/win32/WideText.h"

namespace platform {
namespace {

HANDLE Native(std::intptr_t process) { return reinterpret_cast<HANDLE>(process); }

// An exit code that is an NTSTATUS error: the process was ended from outside
// or crashed, as a signal ends a POSIX process.
bool EndedByException(DWORD code) { return code >= 0xC0000000u; }

// A new process that dies while it starts, before running any of its own
// code, fails its creation with an internal error; Wine does so now and then
// on a busy machine. Another attempt starts it.
constexpr int StartAttempts = 3;

}  // namespace

Process Process::Start(const std::string& program, const std::string& argument) {
  RefuseNulInPath(program);
  RefuseNulInPath(argument);
  // The command line holds both in double quotes, which no Windows name
  // holds and which could not be passed inside them.
  if (program.find('"') != std::string::npos || argument.find('"') != std::string::npos) {
    throw FileError::InvalidName();
  }
  std::wstring commandLine = win32::WidePath(QuotedCommandLine(program, argument));
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION started = {};
  for (int attempt = 1;; ++attempt) {
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                       nullptr, nullptr, &startup, &started)) {
      break;
    }
    DWORD error = GetLastError();
    if (error != ERROR_INTERNAL_ERROR || attempt == StartAttempts) {
      throw FileError::FromSystemError(static_cast<int>(error), program);
    }
  }
  CloseHandle(started.hThread);
  return Process(reinterpret_cast<std::intptr_t>(started.hProcess));
}

Process::Process(Process&& other) noexcept : handle_(other.handle_), end_(other.end_) {
  other.handle_ = NoProcess;
}

Process::~Process() {
  if (handle_ == NoProcess) return;
  TerminateProcess(Native(handle_), 1);
  WaitForSingleObject(Native(handle_), INFINITE);
  CloseHandle(Native(handle_));
}

std::optional<ProcessEnd> Process::PollEnd() { return WaitForEnd(0); }

std::optional<ProcessEnd> Process::WaitForEnd(unsigned milliseconds) {
  if (end_ || handle_ == NoProcess) return end_;
  if (WaitForSingleObject(Native(handle_), milliseconds) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(Native(handle_), &code);
  CloseHandle(Native(handle_));
  handle_ = NoProcess;
  end_ = ProcessEnd{EndedByException(code), static_cast<int>(code)};
  return end_;
}

void SleepMicroseconds(unsigned microseconds) { Sleep((microseconds + 999) / 1000); }

}  // namespace platform
