// Well-formed UTF-8 by the ranges of the Unicode standard, which ICU
// follows: no overlong forms, no surrogates, nothing above U+10FFFF.
#pragma once

#include <cstddef>

namespace frasor {

// The length of the sequence that a byte begins (1 to 4; 0 for a byte that
// begins none), and the range its second byte must lie in.
struct Utf8Lead {
  int length;
  unsigned char low, high;
};

constexpr Utf8Lead LeadOf(unsigned char lead) {
  if (lead < 0x80) return {1, 0, 0};
  if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
  if (lead >= 0xE0 && lead <= 0xEF) {
    return {3, static_cast<unsigned char>(lead == 0xE0 ? 0xA0 : 0x80),
            static_cast<unsigned char>(lead == 0xED ? 0x9F : 0xBF)};
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    return {4, static_cast<unsigned char>(lead == 0xF0 ? 0x90 : 0x80),
            static_cast<unsigned char>(lead == 0xF4 ? 0x8F : 0xBF)};
  }
  return {0, 0, 0};
}

// How many of the `left` bytes at `at` (at least one) agree with a
// well-formed sequence: LeadOf(*at).length when one starts there; fewer when
// a byte breaks it or `left` ends first, and those bytes are then the
// "maximal subpart" that decoders replace by one U+FFFD; 0 when `*at`
// begins no sequence.
inline int WellFormedPrefix(const unsigned char* at, std::size_t left) {
  Utf8Lead lead = LeadOf(at[0]);
  int agreeing = lead.length == 0 ? 0 : 1;
  for (; agreeing < lead.length && static_cast<std::size_t>(agreeing) < left; ++agreeing) {
    unsigned char next = at[agreeing];
    if (next < (agreeing == 1 ? lead.low : 0x80) || next > (agreeing == 1 ? lead.high : 0xBF)) {
      break;
    }
  }
  return agreeing;
}

}  // namespace frasor
