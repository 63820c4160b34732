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
