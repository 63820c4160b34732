#include "corpus/KnownWords.h"

#include "corpus/LetterCase.h"
#include "dictionary/DictionaryTable.h"

namespace corpus {
namespace {

// Longer words are never misspelt versions of a known word by accents
// alone often enough to pay for the lookups.
constexpr std::size_t MaxLength = 40;

// Tries every spelling of `word` whose letters from `from` on differ in the
// accents of at most `changes` letters; the first known one lands in `found`.
bool TryAccents(std::string& word, std::size_t from, int changes, std::string& found) {
  if (changes == 0) return false;
  for (std::size_t i = from; i < word.size(); ++i) {
    char original = word[i];
    char plain = PlainLetter(original);
    std::string_view accents = PortugueseAccents(plain);
    if (accents.empty() && plain == original) continue;
    std::string options(1, plain);
    options += accents;
    for (char option : options) {
      if (option == original) continue;
      word[i] = option;
      if (IsKnownWord(word)) {
        found = word;
      } else {
        TryAccents(word, i + 1, changes - 1, found);
      }
      word[i] = original;
      if (!found.empty()) return true;
    }
  }
  return false;
}

}  // namespace

bool IsKnownWord(std::string_view word) { return IsExcluded(word, false); }

std::string KnownByAccents(std::string_view lower, int maxChanges) {
  if (IsKnownWord(lower)) return std::string(lower);
  if (lower.size() > MaxLength) return {};
  std::string word(lower), found;
  // Fewer changes first: a one-letter mend is likelier than a two-letter one.
  for (int changes = 1; changes <= maxChanges && found.empty(); ++changes) {
    TryAccents(word, 0, changes, found);
  }
  return found;
}

}  // namespace corpus
