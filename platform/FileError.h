// The one error type for every failed open, read, write or close of a file.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace platform {

// What went wrong, in the terms the user is shown.
enum class FileErrorKind {
  FileNotFound,      // system code 2
  PathNotFound,      // system code 3: a folder of the path does not exist
  TooManyOpenFiles,  // system code 4
  AccessDenied,      // system code 5
  Other,             // any other system error: "I/O error <code>"
};

class FileError : public std::exception {
 public:
  // `code` is the platform's own error code (errno on POSIX, GetLastError
  // on Windows).
  FileError(FileErrorKind kind, int code);

  // Classifies a failed operation on `path` from the system's error code.
  static FileError FromSystemError(int code, const std::string& path);

  // The error of a name that cannot name a file at all: "Invalid filename".
  static FileError InvalidName();

  FileErrorKind Kind() const { return kind_; }
  int Code() const { return code_; }

  // The exit status by which a child program reports this error, and back:
  // 2, 3, 4 or 5 for the four named kinds; every other failure in a range of
  // its own, so that a platform code never passes for one of those four or
  // for OutOfMemoryExitStatus.
  int ExitStatus() const;
  static FileError FromExitStatus(int exitStatus);

  // "File not found", "Invalid filename", "Too many open files",
  // "File access denied" or "I/O error <code>".
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  FileErrorKind kind_;
  int code_;
  std::string message_;
};

// The message a failure carries when memory is exhausted.
inline constexpr const char* OutOfMemoryMessage = "Out of memory";

// The exit status by which a child program reports exhausted memory.
inline constexpr int OutOfMemoryExitStatus = 8;

// A path holding a NUL byte names no file: every system call would take it
// only up to the NUL, and so act on another file. Throws
// FileError::InvalidName() for such a path.
inline void RefuseNulInPath(std::string_view path) {
  if (path.find('\0') != std::string_view::npos) throw FileError::InvalidName();
}

}  // namespace platform
