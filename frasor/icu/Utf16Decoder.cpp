// Decoding with ICU's converters, whose substitution for ill-formed input
// the Windows build reproduces.
#include <unicode/ucnv.h>

#include "frasor/UnicodeConversion.h"
#include "frasor/icu/IcuConverter.h"
#include "frasor/icu/IcuError.h"

namespace frasor {
struct Utf16Decoder::State {
  explicit State(TextEncoding encoding) : converter(IcuName(encoding)) {}
  IcuConverter converter;
};

Utf16Decoder::Utf16Decoder(TextEncoding encoding) : state_(std::make_unique<State>(encoding)) {}

Utf16Decoder::~Utf16Decoder() = default;

std::size_t Utf16Decoder::Decode(std::string_view bytes, bool last, char16_t* target) {
  const char* source = bytes.data();
  UChar* end = target;
  UErrorCode status = U_ZERO_ERROR;
  ucnv_toUnicode(state_->converter.Get(), &end, target + bytes.size() + DecodingSlack, &source,
                 source + bytes.size(), nullptr, last, &status);
  ThrowOnIcuFailure(status, "decoding");
  return static_cast<std::size_t>(end - target);
}

bool Utf16Decoder::HoldsBytes() const {
  UErrorCode status = U_ZERO_ERROR;
  int32_t pending = ucnv_toUCountPending(state_->converter.Get(), &status);
  ThrowOnIcuFailure(status, "decoding");
  return pending > 0;
}

}  // namespace frasor
