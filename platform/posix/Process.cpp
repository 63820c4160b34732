#include "platform/Process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

#include <algorithm>
#include <cerrno>

#include "platform/FileError.h"

extern char** environ;

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Children whose handles went away while they still ran.
std::vector<pid_t>& UnreapedChildren() {
  static std::vector<pid_t> children;
  return children;
}

void ReapEndedChildren() {
  std::vector<pid_t>& children = UnreapedChildren();
  std::erase_if(children, [](pid_t child) {
    int status;
    return waitpid(child, &status, WNOHANG) != 0;
  });
}

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
      return FileError::FromErrno(error, program);
  }
}

// Reads the program name: quotes group, everything else is taken as it is.
std::size_t ReadProgram(std::string_view line, std::size_t i, std::string& program) {
  bool quoted = false;
  for (; i < line.size() && (quoted || !IsBlank(line[i])); ++i) {
    if (line[i] == '"') {
      quoted = !quoted;
    } else {
      program += line[i];
    }
  }
  return i;
}

// Reads one argument after the program.
std::size_t ReadArgument(std::string_view line, std::size_t i, std::string& argument) {
  bool quoted = false;
  while (i < line.size() && (quoted || !IsBlank(line[i]))) {
    std::size_t backslashes = 0;
    while (i < line.size() && line[i] == '\\') {
      ++backslashes;
      ++i;
    }
    if (i == line.size() || line[i] != '"') {
      argument.append(backslashes, '\\');
      if (backslashes == 0) argument += line[i++];
      continue;
    }
    argument.append(backslashes / 2, '\\');
    if (backslashes % 2 == 1) {
      argument += '"';
    } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
      argument += '"';
      ++i;
    } else {
      quoted = !quoted;
    }
    ++i;
  }
  return i;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
  if (i == commandLine.size()) return arguments;
  arguments.emplace_back();
  i = ReadProgram(commandLine, i, arguments.back());
  for (;;) {
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    if (i == commandLine.size()) return arguments;
    arguments.emplace_back();
    i = ReadArgument(commandLine, i, arguments.back());
  }
}

Process Process::Start(std::string_view commandLine) {
  ReapEndedChildren();
  std::vector<std::string> arguments = SplitCommandLine(commandLine);
  if (arguments.empty()) throw FileError(FileErrorKind::FileNotFound, ENOENT);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  pid_t child;
  int error = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) throw StartError(error, arguments[0]);
  return Process(child);
}

void Process::ReapEnded() { ReapEndedChildren(); }

Process::Process(Process&& other) noexcept : id_(other.id_), end_(other.end_) { other.id_ = -1; }

Process::~Process() {
  if (id_ >= 0 && !PollEnd()) UnreapedChildren().push_back(id_);
}

std::optional<ProcessEnd> Process::PollEnd() {
  if (end_ || id_ < 0) return end_;
  int status;
  pid_t got;
  do {
    got = waitpid(id_, &status, WNOHANG);
  } while (got < 0 && errno == EINTR);
  if (got == 0) return std::nullopt;
  id_ = -1;
  if (got < 0) {
    // Reaped elsewhere: the end is unknown, reported as a kill.
    end_ = ProcessEnd{true, 0};
  } else if (WIFSIGNALED(status)) {
    end_ = ProcessEnd{true, WTERMSIG(status)};
  } else {
    end_ = ProcessEnd{false, WEXITSTATUS(status)};
  }
  return end_;
}

void SleepMicroseconds(unsigned microseconds) {
  timespec pause{static_cast<time_t>(microseconds / 1000000),
                 static_cast<long>(microseconds % 1000000) * 1000};
  while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
  }
}

}  // namespace platform
