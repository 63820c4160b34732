#include "platform/FileError.h"

#include <sys/stat.h>

#include <cerrno>

namespace platform {
namespace {

// The folder that would hold `path`: "." for a bare name, "/" for a file
// directly under the root.
std::string ParentFolder(const std::string& path) {
  std::string::size_type slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

bool IsFolder(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

FileError FileError::FromSystemError(int errnoValue, const std::string& path) {
  switch (errnoValue) {
    case ENOENT:
      // ENOENT covers both a missing file and a missing folder on its path.
      if (IsFolder(ParentFolder(path))) return FileError(FileErrorKind::FileNotFound, errnoValue);
      return FileError(FileErrorKind::PathNotFound, errnoValue);
    case ENOTDIR:
      return FileError(FileErrorKind::PathNotFound, errnoValue);
    case EMFILE:
    case ENFILE:
      return FileError(FileErrorKind::TooManyOpenFiles, errnoValue);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return FileError(FileErrorKind::AccessDenied, errnoValue);
    default:
      return FileError(FileErrorKind::Other, errnoValue);
  }
}

FileError FileError::InvalidName() { return FileError(FileErrorKind::PathNotFound, EINVAL); }

namespace {

// Error numbers are passed on above this base: below it they would collide
// with the four named statuses (EIO is 5) and with OutOfMemoryExitStatus.
constexpr int OtherErrorExitBase = 64;

}  // namespace

int FileError::ExitStatus() const {
  switch (kind_) {
    case FileErrorKind::FileNotFound:
      return 2;
    case FileErrorKind::PathNotFound:
      return 3;
    case FileErrorKind::TooManyOpenFiles:
      return 4;
    case FileErrorKind::AccessDenied:
      return 5;
    case FileErrorKind::Other:
      break;
  }
  return OtherErrorExitBase + code_;
}

FileError FileError::FromExitStatus(int exitStatus) {
  switch (exitStatus) {
    case 2:
      return FileError(FileErrorKind::FileNotFound, ENOENT);
    case 3:
      return FileError(FileErrorKind::PathNotFound, ENOTDIR);
    case 4:
      return FileError(FileErrorKind::TooManyOpenFiles, EMFILE);
    case 5:
      return FileError(FileErrorKind::AccessDenied, EACCES);
    default:
      break;
  }
  if (exitStatus > OtherErrorExitBase) {
    return FileError(FileErrorKind::Other, exitStatus - OtherErrorExitBase);
  }
  return FileError(FileErrorKind::Other, exitStatus);
}

}  // namespace platform
