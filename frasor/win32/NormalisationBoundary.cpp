// Normalisation boundaries without the system's tables.
#include "frasor/UnicodeConversion.h"
#include "frasor/win32/PlainCharacters.h"

namespace frasor {

std::size_t LastNormalisationBoundary(std::u16string_view text) {
  for (std::size_t i = text.size(); i-- > 0;) {
    if (win32::IsPlain(text[i])) return i;
  }
  return 0;
}

}  // namespace frasor
