#include "frasor/EncodedText.h"

#include <cstdint>
#include <random>
#include <vector>

#include "frasor/TextDecoder.h"

namespace frasor_testing {

std::string Utf8(char32_t c) {
  std::string bytes;
  if (c < 0x80) {
    bytes += static_cast<char>(c);
  } else if (c < 0x800) {
    bytes += static_cast<char>(0xC0 | (c >> 6));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    bytes += static_cast<char>(0xE0 | (c >> 12));
    bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    bytes += static_cast<char>(0xF0 | (c >> 18));
    bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (c & 0x3F));
  }
  return bytes;
}

std::string Utf16(const std::u32string& codePoints, bool bigEndian) {
  std::string bytes;
  auto unit = [&](std::uint16_t u) {
    char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  };
  for (char32_t c : codePoints) {
    if (c < 0x10000) {
      unit(static_cast<std::uint16_t>(c));
    } else {
      unit(static_cast<std::uint16_t>(0xD800 + ((c - 0x10000) >> 10)));
      unit(static_cast<std::uint16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
  }
  return bytes;
}

std::string MixedUtf8(std::size_t size, unsigned seed) {
  const std::vector<std::string> fragments = {
      "a", "e", "o", "C", " ", ".", "\r\n", "palavra ", std::string(1, '\0'),
      // Latin-1, the soft hyphen, C1 controls
      "\xC3\xA9", "\xC3\xA7", "\xC2\xA0", "\xC3\xBF", "\xC3\x80", "\xC2\xAD", "\xC2\x80",
      "\xC2\x81",
      // combining marks, one or two, in and out of canonical order
      "\xCC\x81", "\xCC\x83", "\xCC\xA7", "\xCC\x96", "\xCC\x88\xCC\x81", "\xCC\xA3\xCC\x82",
      "\xCD\x84", "\xCD\x80",
      // Omega, dashes and quotes, a ligature, the Angstrom sign, composed
      // letters beyond Latin-1, Hangul jamo, a nukta
      "\xCE\xA9", "\xE2\x80\x94", "\xE2\x80\x9C", "\xEF\xAC\x81", "\xE2\x84\xAB", "\xE1\xB8\x97",
      "\xC7\x96", "\xE1\x84\x80\xE1\x85\xA1", "\xE0\xA4\x95\xE0\xA4\xBC",
      // outside the Basic Multilingual Plane: an emoji, a musical note that
      // decomposes
      "\xF0\x9F\x98\x80", "\xF0\x9D\x85\x9F",
      // invisible format characters: a zero-width space, a byte-order mark,
      // a variation selector, a tag
      "\xE2\x80\x8B", "\xEF\xBB\xBF", "\xEF\xB8\x8F", "\xF3\xA0\x81\x81",
      // noncharacters
      "\xEF\xBF\xBE", "\xF0\x9F\xBF\xBF",
      // ill-formed
      "\xC3", "\xE2\x82", "\xFF", "\xED\xA0\x80", "\xF0\x9F\x98"};
  std::mt19937 random(seed);
  std::string utf8;
  while (utf8.size() < size) utf8 += fragments[random() % fragments.size()];
  return utf8;
}

std::u32string MixedUtf16CodePoints(std::size_t count, unsigned seed) {
  const std::u32string codePoints = {
      U'a',   U'e',    U' ',   U'.',    U'\n',  0xE9,   0xA0,   0xAD,    0x81,    0x301,  0x316,
      0x327,  0x344,   0x3A9,  0x2014,  0x212B, 0x1100, 0x1161, 0x1F600, 0x1D15F, 0x200B, 0xFEFF,
      0xFE0F, 0xE0041, 0xFFFE, 0x1FFFF, 0xFFFD, 0xD800, 0xDBFF, 0xDC00,  0xDFFF};
  std::mt19937 random(seed);
  std::u32string text;
  while (text.size() < count) text += codePoints[random() % codePoints.size()];
  return text;
}

std::string Decoded(std::string_view bytes, std::size_t pieceSize, frasor::TextEncoding encoding) {
  frasor::TextDecoder decoder(encoding);
  std::string text;
  for (std::size_t at = 0; at < bytes.size(); at += pieceSize) {
    text += decoder.Decode(bytes.substr(at, pieceSize), false);
  }
  text += decoder.Decode({}, true);
  return text;
}

std::string DecodedInTwo(std::string_view bytes, std::size_t cut, frasor::TextEncoding encoding) {
  frasor::TextDecoder decoder(encoding);
  std::string text(decoder.Decode(bytes.substr(0, cut), false));
  text += decoder.Decode(bytes.substr(cut), true);
  return text;
}

}  // namespace frasor_testing
