#include "platform/FileSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
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

std::string TemporaryNameBeside(const std::string& path, std::string_view suffix) {
  std::size_t slash = path.rfind('/');
  std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  std::string folder = nameStart == 0 ? "." : path.substr(0, nameStart);
  long limit = pathconf(folder.c_str(), _PC_NAME_MAX);
  if (limit <= 0) limit = NAME_MAX;
  std::size_t room = static_cast<std::size_t>(limit);
  std::size_t nameLength = path.size() - nameStart;
  std::size_t cutStart = nameStart;
  if (nameLength + suffix.size() > room && room > suffix.size()) {
    cutStart = path.size() - (room - suffix.size());
    // Never keep half of a UTF-8 sequence.
    while (cutStart < path.size() && (static_cast<unsigned char>(path[cutStart]) & 0xC0) == 0x80)
      ++cutStart;
  }
  return path.substr(0, nameStart) + path.substr(cutStart) + std::string(suffix);
}

}  // namespace platform
