// Starting other programs without waiting for them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits a command line into its arguments by the rules of Windows programs:
// blanks separate arguments outside double quotes; 2n backslashes before a
// quote give n backslashes and the quote groups, 2n+1 give n backslashes
// and a literal quote; "" inside quotes is a literal quote; other
// backslashes are literal. The first argument, the program, only groups by
// quotes and takes backslashes as they are.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// How a process ended: its exit status, or the signal that killed it.
struct ProcessEnd {
  bool killedBySignal;
  int code;  // the exit status, or the signal's number
};

// A started program. The one thread that starts and polls processes is the
// only user of this class.
class Process {
 public:
  // Starts the program named by the first argument of `commandLine` with
  // the others as its arguments, in the current directory, with standard
  // input from the null device, and returns at once. Throws FileError: "File
  // not found" when there is no such program, "File access denied" when it
  // cannot be executed.
  static Process Start(std::string_view commandLine);

  Process(Process&& other) noexcept;
  Process& operator=(Process&&) = delete;
  // A process still running is reaped by a later Start or destruction, so
  // that it never stays behind as a zombie.
  ~Process();

  // Reaps the programs whose handles are gone and that have ended since,
  // so that none stays behind as a zombie. Never waits.
  static void ReapEnded();

  // How the process ended, once it has; empty while it runs. Never waits.
  std::optional<ProcessEnd> PollEnd();

 private:
  explicit Process(int id) : id_(id) {}

  int id_;  // the system's process id; -1 once reaped
  std::optional<ProcessEnd> end_;
};

// Suspends the calling thread for about `microseconds`.
void SleepMicroseconds(unsigned microseconds);

}  // namespace platform
