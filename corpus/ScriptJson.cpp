#include "corpus/ScriptJson.h"

#include <cstddef>
#include <cstdint>

namespace corpus {
namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

void AppendUnicodeEscape(std::string& out, std::uint32_t unit) {
  static constexpr char Hex[] = "0123456789abcdef";
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out.push_back(Hex[(unit >> shift) & 0xF]);
}

// The length of the well-formed UTF-8 sequence at the start of `text`, 0
// when it is not one (a stray continuation byte, a truncated sequence, an
// overlong form, a surrogate or a value past U+10FFFF).
std::size_t SequenceLength(std::string_view text) {
  auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  std::uint8_t lead = byte(0);
  std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if (lead < 0xC2 || lead > 0xF4 || text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  std::uint8_t second = byte(1);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90)) {
    return 0;
  }
  return length;
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
  out.push_back('"');
  std::size_t i = 0;
  while (i < text.size()) {
    auto byte = static_cast<std::uint8_t>(text[i]);
    if (byte >= 0x80) {
      std::size_t length = SequenceLength(text.substr(i));
      std::string_view sequence = text.substr(i, length);
      if (length == 0) {
        out += ReplacementCharacter;
        ++i;
      } else if (sequence == "\xE2\x80\xA8" || sequence == "\xE2\x80\xA9") {
        AppendUnicodeEscape(out, sequence.back() == '\xA8' ? 0x2028 : 0x2029);
        i += length;
      } else {
        out += sequence;
        i += length;
      }
      continue;
    }
    switch (byte) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '<':
      case '>':
      case '&':
        AppendUnicodeEscape(out, byte);
        break;
      default:
        if (byte < 0x20) {
          AppendUnicodeEscape(out, byte);
        } else {
          out.push_back(static_cast<char>(byte));
        }
    }
    ++i;
  }
  out.push_back('"');
}

}  // namespace corpus
