// Normalisation boundaries by ICU's tables.
#include <unicode/unorm2.h>
#include <unicode/utf16.h>

#include "frasor/UnicodeConversion.h"
#include "frasor/icu/IcuError.h"

namespace frasor {

std::size_t LastNormalisationBoundary(std::u16string_view text) {
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
  ThrowOnIcuFailure(status, "ICU normaliser");
  auto i = static_cast<int32_t>(text.size());
  while (i > 0) {
    UChar32 c;
    U16_PREV(text.data(), 0, i, c);
    if (unorm2_hasBoundaryBefore(nfc, c)) break;
  }
  return static_cast<std::size_t>(i);
}

}  // namespace frasor
