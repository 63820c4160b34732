#include "platform/win32/WideText.h"

#include <windows.h>

#include "platform/FileError.h"

namespace platform::win32 {

constexpr UINT Windows1252 = 1252;

std::wstring WidePath(const std::string& path) {
  RefuseNulInPath(path);
  if (path.empty()) return std::wstring();
  int length =
      MultiByteToWideChar(Windows1252, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  if (length <= 0) throw FileError::InvalidName();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(Windows1252, 0, path.data(), static_cast<int>(path.size()), wide.data(),
                      length);
  return wide;
}

std::wstring ExtendedPath(const std::string& path) {
  std::wstring wide = WidePath(path);
  if (wide.empty() || wide.starts_with(L"\\\\?\\")) return wide;
  DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (length == 0) throw FileError::InvalidName();
  std::wstring full(length, L'\0');
  length = GetFullPathNameW(wide.c_str(), length, full.data(), nullptr);
  if (length == 0 || length >= full.size()) throw FileError::InvalidName();
  full.resize(length);
  if (full.starts_with(L"\\\\.\\")) return full;  // a device: "NUL", "COM1"
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

std::string NarrowPath(const std::wstring& text) {
  if (text.empty()) return std::string();
  BOOL lacking = FALSE;
  int length = WideCharToMultiByte(Windows1252, WC_NO_BEST_FIT_CHARS, text.data(),
                                   static_cast<int>(text.size()), nullptr, 0, nullptr, &lacking);
  if (length <= 0 || lacking) throw FileError::InvalidName();
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(Windows1252, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                      narrow.data(), length, nullptr, nullptr);
  return narrow;
}

}  // namespace platform::win32
