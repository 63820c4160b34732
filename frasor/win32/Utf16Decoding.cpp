#include "frasor/win32/Utf16Decoding.h"

#include "frasor/win32/Utf16Units.h"

namespace frasor::win32 {

std::size_t Utf16Decoding::Decode(std::string_view bytes, bool last, char16_t* target) {
  char16_t* out = target;
  const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
  const unsigned char* end = at + bytes.size();
  if (hasOddByte_ && at < end) {
    Take(Unit(oddByte_, *at++), out);
    hasOddByte_ = false;
  }
  for (; end - at >= 2; at += 2) Take(Unit(at[0], at[1]), out);
  if (at < end) {
    hasOddByte_ = true;
    oddByte_ = *at;
  }
  if (last && HoldsBytes()) {
    *out++ = ReplacementCharacter;
    hasOddByte_ = false;
    lead_ = 0;
  }
  return static_cast<std::size_t>(out - target);
}

char16_t Utf16Decoding::Unit(unsigned char first, unsigned char second) const {
  return bigEndian_ ? static_cast<char16_t>(first << 8 | second)
                    : static_cast<char16_t>(second << 8 | first);
}

void Utf16Decoding::Take(char16_t unit, char16_t*& out) {
  if (lead_ != 0) {
    if (IsTrailSurrogate(unit)) {
      *out++ = lead_;
      *out++ = unit;
      lead_ = 0;
      return;
    }
    // The lead surrogate alone; the unit after it counts on its own.
    *out++ = ReplacementCharacter;
    lead_ = 0;
  }
  if (IsLeadSurrogate(unit)) {
    lead_ = unit;
  } else {
    *out++ = IsTrailSurrogate(unit) ? ReplacementCharacter : unit;
  }
}

}  // namespace frasor::win32
