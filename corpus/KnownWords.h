// The known words, those the dictionary table excludes, and the known words
// a word differs from only in its accents.
#pragma once

#include <string>
#include <string_view>

namespace corpus {

bool IsKnownWord(std::string_view word);

// A known word that `lower` (lower case) becomes when the accents (and the
// cedilla) of at most `maxChanges` of its letters are removed, changed or
// added; `lower` itself when known; empty when there is none. Tries fewer
// changes first, and letters from the left.
std::string KnownByAccents(std::string_view lower, int maxChanges);

}  // namespace corpus
