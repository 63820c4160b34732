#include "platform/FileSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

#include "platform/FileError.h"

namespace platform {

std::string CurrentDirectory() {
  std::vector<char> buffer(256);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    // A current folder that was deleted is a folder not found.
    if (errno == ENOENT) throw FileError(FileErrorKind::PathNotFound, errno);
    if (errno != ERANGE) throw FileError::FromSystemError(errno, ".");
    buffer.resize(buffer.size() * 2);
  }
  return std::string(buffer.data());
}

bool FileExists(const std::string& path) {
  RefuseNulInPath(path);
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool RemoveFile(const std::string& path) {
  RefuseNulInPath(path);
  return unlink(path.c_str()) == 0;
}

void RenameFile(const std::string& from, const std::string& to) {
  RefuseNulInPath(from);
  RefuseNulInPath(to);
  if (std::rename(from.c_str(), to.c_str()) != 0) throw FileError::FromSystemError(errno, to);
}

void CheckReplaceable(const std::string& path) {
  RefuseNulInPath(path);
  // rename() replaces a file whoever holds it open, but never a folder, and
  // never takes a name that the file system refuses (ENAMETOOLONG).
  struct stat info;
  if (stat(path.c_str(), &info) != 0) {
    if (errno != ENOENT) throw FileError::FromSystemError(errno, path);
  } else if (S_ISDIR(info.st_mode)) {
    throw FileError::FromSystemError(EISDIR, path);
  }
}

}  // namespace platform
