// UTF-8 to UTF-16 with the system's decoder for well-formed text and ICU's
// substitution rule, in this build's own code, for ill-formed text: how the
// system treats ill-formed UTF-8 differs between its versions.
#pragma once

#include <cstddef>
#include <string_view>

namespace frasor::win32 {

class Utf8Decoding {
 public:
  // As Utf16Decoder::Decode.
  std::size_t Decode(std::string_view bytes, bool last, char16_t* target);
  bool HoldsBytes() const { return heldSize_ > 0; }

 private:
  // Completes the sequence that the previous block began with the first of
  // `bytes`; returns how many of them it took.
  std::size_t FinishHeld(std::string_view bytes, bool last, char16_t*& target);

  // The start of a well-formed sequence that the previous block cut short.
  unsigned char held_[4] = {};
  std::size_t heldSize_ = 0;
};

}  // namespace frasor::win32
