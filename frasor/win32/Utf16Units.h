// UTF-16 code units as the Windows build's Unicode steps handle them.
#pragma once

namespace frasor::win32 {

// The system's wide characters are UTF-16 units, as char16_t are.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
inline wchar_t* Wide(char16_t* units) { return reinterpret_cast<wchar_t*>(units); }
inline const wchar_t* Wide(const char16_t* units) {
  return reinterpret_cast<const wchar_t*>(units);
}

// What ill-formed input and lone surrogates come out as.
inline constexpr char16_t ReplacementCharacter = u'\uFFFD';

constexpr bool IsLeadSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsTrailSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

constexpr char32_t CodePoint(char16_t lead, char16_t trail) {
  return 0x10000 + ((static_cast<char32_t>(lead) - 0xD800) << 10) + (trail - 0xDC00);
}

}  // namespace frasor::win32
