#include "ui/win32/SystemText.h"

namespace {

constexpr UINT Windows1252 = 1252;

std::string EncodeWindows1252(std::u16string_view text) {
  if (text.empty()) return std::string();
  std::wstring wide(text.begin(), text.end());
  int length = WideCharToMultiByte(Windows1252, WC_NO_BEST_FIT_CHARS, wide.data(),
                                   static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(Windows1252, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                      bytes.data(), length, nullptr, nullptr);
  return bytes;
}

std::u16string DecodeWindows1252(std::string_view bytes) { return AsUtf16(FromSystemText(bytes)); }

}  // namespace

std::wstring FromSystemText(std::string_view windows1252) {
  if (windows1252.empty()) return std::wstring();
  int size = static_cast<int>(windows1252.size());
  int length = MultiByteToWideChar(Windows1252, 0, windows1252.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(Windows1252, 0, windows1252.data(), size, text.data(), length);
  return text;
}

const NameEncoding Windows1252Names{EncodeWindows1252, DecodeWindows1252};

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::u16string AsUtf16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }
