#include "platform/Process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

#include "platform/FileError.h"

extern char** environ;

namespace platform {
namespace {

FileError StartError(int error, const std::string& program) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FileError(FileErrorKind::FileNotFound, error);
    case EACCES:
    case EPERM:
    case ENOEXEC:
      return FileError(FileErrorKind::AccessDenied, error);
    default:
      return FileError::FromSystemError(error, program);
  }
}

ProcessEnd EndOfStatus(int status) {
  if (WIFSIGNALED(status)) return ProcessEnd{true, WTERMSIG(status)};
  return ProcessEnd{false, WEXITSTATUS(status)};
}

}  // namespace

Process Process::Start(const std::string& program, const std::string& argument) {
  RefuseNulInPath(program);
  RefuseNulInPath(argument);
  std::string programCopy = program;
  std::string argumentCopy = argument;
  char* argv[] = {programCopy.data(), argumentCopy.data(), nullptr};

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  pid_t child;
  int error = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) throw StartError(error, program);
  return Process(child);
}

namespace {

pid_t Id(std::intptr_t handle) { return static_cast<pid_t>(handle); }

}  // namespace

Process::Process(Process&& other) noexcept : handle_(other.handle_), end_(other.end_) {
  other.handle_ = NoProcess;
}

Process::~Process() {
  if (handle_ == NoProcess) return;
  kill(Id(handle_), SIGKILL);
  int status;
  while (waitpid(Id(handle_), &status, 0) < 0 && errno == EINTR) {
  }
}

std::optional<ProcessEnd> Process::PollEnd() {
  if (end_ || handle_ == NoProcess) return end_;
  int status;
  pid_t got;
  do {
    got = waitpid(Id(handle_), &status, WNOHANG);
  } while (got < 0 && errno == EINTR);
  if (got == 0) return std::nullopt;
  handle_ = NoProcess;
  // Reaped elsewhere, the end is unknown: reported as a kill.
  end_ = got < 0 ? ProcessEnd{true, 0} : EndOfStatus(status);
  return end_;
}

std::optional<ProcessEnd> Process::WaitForEnd(unsigned milliseconds) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
  unsigned pause = 50;
  for (;;) {
    if (std::optional<ProcessEnd> end = PollEnd()) return end;
    if (Clock::now() >= deadline) return std::nullopt;
    SleepMicroseconds(pause);
    pause = std::min(pause * 2, 5000u);
  }
}

void SleepMicroseconds(unsigned microseconds) {
  timespec pause{static_cast<time_t>(microseconds / 1000000),
                 static_cast<long>(microseconds % 1000000) * 1000};
  while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
  }
}

}  // namespace platform
