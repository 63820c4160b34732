#include "platform/FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/FileError.h"
#include "platform/win32/WideText.h"

namespace platform {

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
  DWORD attributes = GetFileAttributesW(win32::ExtendedPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(win32::ExtendedPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

namespace {

// `name` in Windows-1252 with '?' for each character it lacks.
std::string ShownName(const std::wstring& name) {
  int length = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, name.data(),
                                   static_cast<int>(name.size()), nullptr, 0, "?", nullptr);
  std::string shown(static_cast<std::size_t>(std::max(length, 0)), '?');
  WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, name.data(), static_cast<int>(name.size()),
                      shown.data(), length, "?", nullptr);
  return shown;
}

}  // namespace

FolderEntries ListFolder(const std::string& folder) {
  std::wstring pattern = win32::ExtendedPath(folder) + L"\\*";
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    throw FileError::FromSystemError(static_cast<int>(GetLastError()), folder);
  }
  FolderEntries entries;
  do {
    std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    try {
      (isFolder ? entries.folders : entries.files).push_back(win32::NarrowPath(name));
    } catch (const FileError&) {
      (isFolder ? entries.unheldFolders : entries.unheldFiles).push_back(ShownName(name));
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

std::string ExecutablePath() {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) throw FileError::FromSystemError(static_cast<int>(GetLastError()), "");
    if (length < buffer.size()) return win32::NarrowPath(std::wstring(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
}

bool RemoveFile(const std::string& path) {
  return DeleteFileW(win32::ExtendedPath(path).c_str()) != 0;
}

void RenameFile(const std::string& from, const std::string& to) {
  std::wstring wideFrom = win32::ExtendedPath(from);
  std::wstring wideTo = win32::ExtendedPath(to);
  if (!MoveFileExW(wideFrom.c_str(), wideTo.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    throw FileError::FromSystemError(static_cast<int>(GetLastError()), to);
  }
}

void CheckReplaceable(const std::string& path) {
  std::wstring widePath = win32::ExtendedPath(path);
  // Replacing needs the right to delete the file, which a program holding it
  // open without delete sharing (a spreadsheet showing it) denies to all,
  // and a file marked read-only, whose rename the system refuses.
  HANDLE file =
      CreateFileW(widePath.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND) return;
    throw FileError::FromSystemError(static_cast<int>(error), path);
  }
  CloseHandle(file);
  DWORD attributes = GetFileAttributesW(widePath.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
    throw FileError::FromSystemError(ERROR_ACCESS_DENIED, path);
  }
}

}  // namespace platform
