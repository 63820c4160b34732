// Decoding for the Windows build: UTF-8 through the system's decoder, UTF-16
// by this build's own code, both with ICU's substitution rule.
#include "frasor/UnicodeConversion.h"
#include "frasor/win32/Utf16Decoding.h"
#include "frasor/win32/Utf8Decoding.h"

namespace frasor {

struct Utf16Decoder::State {
  explicit State(TextEncoding encoding)
      : utf8(encoding == TextEncoding::Utf8), fromUtf16(encoding == TextEncoding::Utf16BigEndian) {}

  bool utf8;
  win32::Utf8Decoding fromUtf8;
  win32::Utf16Decoding fromUtf16;
};

Utf16Decoder::Utf16Decoder(TextEncoding encoding) : state_(std::make_unique<State>(encoding)) {}

Utf16Decoder::~Utf16Decoder() = default;

std::size_t Utf16Decoder::Decode(std::string_view bytes, bool last, char16_t* target) {
  if (state_->utf8) return state_->fromUtf8.Decode(bytes, last, target);
  return state_->fromUtf16.Decode(bytes, last, target);
}

bool Utf16Decoder::HoldsBytes() const {
  return state_->utf8 ? state_->fromUtf8.HoldsBytes() : state_->fromUtf16.HoldsBytes();
}

}  // namespace frasor
