#include "platform/FileSystem.h"

#include <dirent.h>
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

bool FolderExists(const std::string& path) {
  RefuseNulInPath(path);
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

FolderEntries ListFolder(const std::string& folder) {
  RefuseNulInPath(folder);
  DIR* stream = opendir(folder.c_str());
  if (stream == nullptr) throw FileError::FromSystemError(errno, folder);
  FolderEntries entries;
  while (const dirent* entry = readdir(stream)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    // Links are followed: a linked file or folder counts as what it names.
    struct stat info;
    if (stat((folder + '/' + name).c_str(), &info) != 0) continue;
    if (S_ISDIR(info.st_mode)) entries.folders.push_back(std::move(name));
    if (S_ISREG(info.st_mode)) entries.files.push_back(std::move(name));
  }
  closedir(stream);
  return entries;
}

std::string ExecutablePath() {
  std::vector<char> buffer(256);
  for (;;) {
    ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) throw FileError::FromSystemError(errno, "/proc/self/exe");
    if (static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
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
