// The one error type for every failed open, read, write or close of a file.
#pragma once

#include <exception>
#include <string>

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
  // `code` is the platform's own error code (errno on POSIX).
  FileError(FileErrorKind kind, int code);

  // Classifies a failed operation on `path` from its errno value.
  static FileError FromErrno(int errnoValue, const std::string& path);

  // Rebuilds the error from a status code of the table (2, 3, 4, 5, or the
  // platform's code for every other failure), as a child process reports it.
  static FileError FromStatusCode(int statusCode);

  FileErrorKind Kind() const { return kind_; }
  int Code() const { return code_; }

  // 2, 3, 4 or 5 for the four named kinds, the platform's code otherwise.
  int StatusCode() const;

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

}  // namespace platform
