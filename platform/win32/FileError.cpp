#include "platform/FileError.h"

#include <windows.h>

namespace platform {

// The system's codes are the table's own: 2, 3, 4 and 5 name the four
// kinds, every other code is told as it is.
FileError FileError::FromSystemError(int code, const std::string&) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
      return FileError(FileErrorKind::FileNotFound, code);
    case ERROR_PATH_NOT_FOUND:
      return FileError(FileErrorKind::PathNotFound, code);
    case ERROR_TOO_MANY_OPEN_FILES:
      return FileError(FileErrorKind::TooManyOpenFiles, code);
    case ERROR_ACCESS_DENIED:
      return FileError(FileErrorKind::AccessDenied, code);
    default:
      return FileError(FileErrorKind::Other, code);
  }
}

FileError FileError::InvalidName() {
  return FileError(FileErrorKind::PathNotFound, ERROR_INVALID_NAME);
}

// A process's exit code holds every system code as it is: none of the
// others is 2, 3, 4 or 5, and 8, OutOfMemoryExitStatus, is the system's
// own code for exhausted memory.
int FileError::ExitStatus() const {
  switch (kind_) {
    case FileErrorKind::FileNotFound:
      return ERROR_FILE_NOT_FOUND;
    case FileErrorKind::PathNotFound:
      return ERROR_PATH_NOT_FOUND;
    case FileErrorKind::TooManyOpenFiles:
      return ERROR_TOO_MANY_OPEN_FILES;
    case FileErrorKind::AccessDenied:
      return ERROR_ACCESS_DENIED;
    case FileErrorKind::Other:
      break;
  }
  return code_;
}

FileError FileError::FromExitStatus(int exitStatus) { return FromSystemError(exitStatus, ""); }

}  // namespace platform
