// UTF-16 bytes of either order to UTF-16 units, with ICU's substitution rule:
// a lone surrogate gives U+FFFD, and so does what the end of the text cuts
// short (an odd byte, a lead surrogate, or both together: one U+FFFD).
#pragma once

#include <cstddef>
#include <string_view>

namespace frasor::win32 {

class Utf16Decoding {
 public:
  explicit Utf16Decoding(bool bigEndian) : bigEndian_(bigEndian) {}

  // As Utf16Decoder::Decode.
  std::size_t Decode(std::string_view bytes, bool last, char16_t* target);
  bool HoldsBytes() const { return hasOddByte_ || lead_ != 0; }

 private:
  char16_t Unit(unsigned char first, unsigned char second) const;
  // Writes the unit at `out` once it is known to be well-formed.
  void Take(char16_t unit, char16_t*& out);

  bool bigEndian_;
  // The first byte of a unit that the previous block cut in two.
  bool hasOddByte_ = false;
  unsigned char oddByte_ = 0;
  // A lead surrogate that waits for its trail; 0 when none does.
  char16_t lead_ = 0;
};

}  // namespace frasor::win32
