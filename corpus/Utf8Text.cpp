#include "corpus/Utf8Text.h"

#include <cstdint>

namespace corpus {
namespace {

// Bytes 0x80 to 0x9F; the five that Windows-1252 leaves undefined map to
// the C1 controls of the same value, as the system's conversion does.
constexpr char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char16_t unit) {
  if (unit < 0x80) {
    out.push_back(static_cast<char>(unit));
  } else if (unit < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
    out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  }
}

}  // namespace

std::string Utf8FromWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char byte : text) {
    auto value = static_cast<std::uint8_t>(byte);
    if (value < 0x80) {
      out.push_back(byte);
    } else {
      AppendUtf8(out, value < 0xA0 ? High[value - 0x80] : static_cast<char16_t>(value));
    }
  }
  return out;
}

namespace {

// The Windows-1252 byte of a code point, or '?'.
char Windows1252Byte(char32_t point) {
  if (point < 0x80 || (point >= 0xA0 && point <= 0xFF)) return static_cast<char>(point);
  for (std::size_t i = 0; i < 32; ++i) {
    if (High[i] == point) return static_cast<char>(0x80 + i);
  }
  return '?';
}

}  // namespace

std::string Windows1252FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    auto lead = static_cast<std::uint8_t>(text[i]);
    std::size_t length = lead < 0x80                   ? 1
                         : lead >= 0xF0 && lead < 0xF5 ? 4
                         : lead >= 0xE0 && lead < 0xF0 ? 3
                         : lead >= 0xC2 && lead < 0xE0 ? 2
                                                       : 0;
    char32_t point = length == 1   ? lead
                     : length == 2 ? lead & 0x1F
                     : length == 3 ? lead & 0x0F
                                   : lead & 0x07;
    bool valid = length != 0 && i + length <= text.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
      auto next = static_cast<std::uint8_t>(text[i + k]);
      valid = (next & 0xC0) == 0x80;
      point = (point << 6) | (next & 0x3F);
    }
    // Overlong three-byte forms and surrogates are no characters.
    if (valid && length == 3 && (point < 0x800 || (point >= 0xD800 && point < 0xE000)))
      valid = false;
    if (valid && length == 4 && (point < 0x10000 || point > 0x10FFFF)) valid = false;
    if (!valid) {
      out.push_back('?');
      ++i;
      continue;
    }
    out.push_back(Windows1252Byte(point));
    i += length;
  }
  return out;
}

std::string Utf8FromSystemName(const std::string& name) {
#ifdef _WIN32
  return Utf8FromWindows1252(name);
#else
  return name;
#endif
}

std::string SystemNameFromUtf8(const std::string& utf8) {
#ifdef _WIN32
  return Windows1252FromUtf8(utf8);
#else
  return utf8;
#endif
}

}  // namespace corpus
