// A name encoding for tests of the shared window rules: ISO 8859-1, which
// holds U+0000 to U+00FF; anything beyond becomes "?", as the systems'
// encoders replace what they lack.
#pragma once

#include <string>
#include <string_view>

#include "ui/common/NameEncoding.h"

inline std::string EncodeLatin1(std::u16string_view text) {
  std::string bytes;
  for (char16_t c : text) bytes += c <= 0xFF ? static_cast<char>(c) : '?';
  return bytes;
}

inline std::u16string DecodeLatin1(std::string_view bytes) {
  std::u16string text;
  for (char byte : bytes) text += static_cast<char16_t>(static_cast<unsigned char>(byte));
  return text;
}

inline const NameEncoding Latin1{EncodeLatin1, DecodeLatin1};
