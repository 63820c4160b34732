// The known word a candidate probably misspells by one slip: a letter
// doubled or undoubled, two neighbours swapped, one spelling of a sound
// written for another (ss for ç, e for i...: the pairs of
// data/corpus/confusoes.txt), those first, then any one letter dropped or
// added. Only for words of 9 letters or more, but a doubled letter from 5:
// a large dictionary holds a word one slip away from most shorter ones.
// Missing or wrong accents are KnownByAccents's.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "corpus/WordListFile.h"

namespace corpus {

class Misspelling {
 public:
  Misspelling() = default;
  // Reads the pairs of spellings writers confuse, one pair an entry. A
  // known word of `foreignWords` (when given; it must outlive this) is
  // never the word meant. Throws platform::FileError.
  Misspelling(const std::string& confusionsPath, const WordSet* foreignWords);

  // The known word `lower` (lower case, unknown) becomes by one such slip,
  // empty when none.
  std::string KnownWordFor(std::string_view lower) const;

  // The same for the surest slip alone, a letter doubled (consellheiro).
  std::string UndoubledKnownWord(std::string_view lower) const;

 private:
  std::vector<std::pair<std::string, std::string>> confusions_;  // both ways
  // A known word that is also a foreign one (the dictionary holds many) is
  // no word a writer of Portuguese meant.
  bool IsMeantWord(const std::string& variant) const;

  const WordSet* foreignWords_ = nullptr;
};

}  // namespace corpus
