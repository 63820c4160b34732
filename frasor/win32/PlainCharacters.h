// The characters that normalisation on Windows passes by.
#pragma once

namespace frasor::win32 {

// Characters below U+0300 (ASCII, Latin-1, Latin Extended-A and -B, IPA and
// the spacing modifier letters) are in normalisation form C and combine with
// nothing before them, in every version of Unicode and so in every version
// of the system's tables: the combining marks start at U+0300. Only a mark
// after one may change it. The system offers no table of the other
// boundaries, and these are enough: prose has one every few characters.
constexpr bool IsPlain(char16_t unit) { return unit < 0x300; }

}  // namespace frasor::win32
