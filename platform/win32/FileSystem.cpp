#include "platform/FileSystem.h"

#include <windows.h>

#include <vector>

#include "platform/FileError.h"
#include "platform/win32/WideText.h"

namespace platform {
namespace {

// The longest name of one file, in characters.
constexpr std::size_t NameLimit = 255;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::string CurrentDirectory() {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  for (;;) {
    DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0) throw FileError::FromSystemError(static_cast<int>(GetLastError()), ".");
    if (length < buffer.size()) {
      // Without a trailing separator, except at a drive's root ("C:\").
      std::wstring folder(buffer.data(), length);
      if (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
      return win32::NarrowPath(folder);
    }
    buffer.resize(length);
  }
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(win32::WidePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool RemoveFile(const std::string& path) { return DeleteFileW(win32::WidePath(path).c_str()) != 0; }

void RenameFile(const std::string& from, const std::string& to) {
  std::wstring wideFrom = win32::WidePath(from);
  std::wstring wideTo = win32::WidePath(to);
  if (!MoveFileExW(wideFrom.c_str(), wideTo.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    throw FileError::FromSystemError(static_cast<int>(GetLastError()), to);
  }
}

std::string TemporaryNameBeside(const std::string& path, std::string_view suffix) {
  std::size_t nameStart = path.size();
  while (nameStart > 0 && !IsSeparator(path[nameStart - 1]) && path[nameStart - 1] != ':') {
    --nameStart;
  }
  std::size_t nameLength = path.size() - nameStart;
  std::size_t cutStart = nameStart;
  if (nameLength + suffix.size() > NameLimit && NameLimit > suffix.size()) {
    cutStart = path.size() - (NameLimit - suffix.size());
  }
  return path.substr(0, nameStart) + path.substr(cutStart) + std::string(suffix);
}

}  // namespace platform
