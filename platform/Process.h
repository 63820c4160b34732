// Starting another program without waiting for it, and following it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// How a process ended: its exit status, or the signal that killed it (on
// Windows, the exception that ended it).
struct ProcessEnd {
  bool killedBySignal;
  int code;  // the exit status, or the signal's number
};

// A started program, which never outlives this handle: not running, and not
// even left as a zombie.
class Process {
 public:
  // Starts `program` with `argument` as its one argument, in the current
  // directory, without a window and with no input, and returns at once. On
  // POSIX both are handed to the system as they are; on Windows they make
  // the command line QuotedCommandLine. Throws FileError: "Invalid filename"
  // for a name that cannot be passed, "File not found" when there is no
  // such program, "File access denied" when it cannot be executed.
  static Process Start(const std::string& program, const std::string& argument);

  Process(Process&& other) noexcept;
  Process& operator=(Process&&) = delete;
  // Stops the process when it still runs, and waits for its end.
  ~Process();

  // How the process ended, once it has; empty while it runs. Never waits.
  std::optional<ProcessEnd> PollEnd();

  // As PollEnd, waiting up to `milliseconds` for the end.
  std::optional<ProcessEnd> WaitForEnd(unsigned milliseconds);

 private:
  static constexpr std::intptr_t NoProcess = -1;
  explicit Process(std::intptr_t handle) : handle_(handle) {}

  // The process id on POSIX, its HANDLE on Windows; NoProcess once reaped.
  std::intptr_t handle_;
  std::optional<ProcessEnd> end_;
};

// Suspends the calling thread for about `microseconds`.
void SleepMicroseconds(unsigned microseconds);

}  // namespace platform
