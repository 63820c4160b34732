#include "corpus/Misspelling.h"

#include <algorithm>

#include "corpus/KnownWords.h"
#include "corpus/LetterCase.h"
#include "corpus/WordListFile.h"

namespace corpus {
namespace {

// The letters of Portuguese words: a to z and the accented ones (á â ã à
// é ê í ó ô õ ú ç).
constexpr std::string_view Letters =
    "abcdefghijklmnopqrstuvwxyz\xE1\xE2\xE3\xE0\xE9\xEA\xED\xF3\xF4\xF5\xFA\xE7";

// Shorter words are one slip away from some word of a large dictionary by
// chance; longer ones cost many lookups for little.
constexpr std::size_t MinLength = 9;
// A doubled letter that Portuguese does not double (consellheiro, órbiita)
// is a slip in shorter words too.
constexpr std::size_t MinLengthDoubled = 5;
constexpr std::size_t MaxLength = 40;

}  // namespace

Misspelling::Misspelling(const std::string& confusionsPath, const WordSet* foreignWords)
    : foreignWords_(foreignWords) {
  for (const auto& fields : ReadListEntries(confusionsPath)) {
    if (fields.size() != 2) continue;
    confusions_.emplace_back(fields[0], fields[1]);
    confusions_.emplace_back(fields[1], fields[0]);
  }
}

std::string Misspelling::UndoubledKnownWord(std::string_view lower) const {
  if (lower.size() < MinLengthDoubled || lower.size() > MaxLength) return {};
  for (std::size_t i = 0; i + 1 < lower.size(); ++i) {
    if (lower[i] == lower[i + 1] && lower[i] != '-') {
      std::string variant = std::string(lower.substr(0, i)) + std::string(lower.substr(i + 1));
      if (IsMeantWord(variant)) return variant;
    }
  }
  return {};
}

bool Misspelling::IsMeantWord(const std::string& variant) const {
  return IsKnownWord(variant) && (foreignWords_ == nullptr || !foreignWords_->Contains(variant));
}

std::string Misspelling::KnownWordFor(std::string_view lower) const {
  if (std::string undoubled = UndoubledKnownWord(lower); !undoubled.empty()) return undoubled;
  if (lower.size() < MinLength || lower.size() > MaxLength) return {};
  std::string word(lower);
  auto known = [this](const std::string& variant) { return IsMeantWord(variant); };
  // A single letter doubled.
  for (std::size_t i = 1; i < word.size(); ++i) {
    char letter = word[i];
    if (letter == '-' || IsVowel(letter) || letter == word[i - 1]) continue;
    if (i + 1 < word.size() && word[i + 1] == letter) continue;
    std::string variant = word.substr(0, i) + letter + word.substr(i);
    if (known(variant)) return variant;
  }
  // Two neighbours swapped.
  for (std::size_t i = 0; i + 1 < word.size(); ++i) {
    if (word[i] == word[i + 1]) continue;
    std::string variant = word;
    std::swap(variant[i], variant[i + 1]);
    if (known(variant)) return variant;
  }
  // One spelling of a sound for another, at each place it occurs.
  for (const auto& [written, meant] : confusions_) {
    for (std::size_t at = word.find(written); at != std::string::npos;
         at = word.find(written, at + 1)) {
      std::string variant = word.substr(0, at) + meant + word.substr(at + written.size());
      if (known(variant)) return variant;
    }
  }
  // Any one letter dropped or added (not changed: that makes too many
  // known words of new ones).
  for (std::size_t i = 0; i < word.size(); ++i) {
    std::string variant = word.substr(0, i) + word.substr(i + 1);
    if (known(variant)) return variant;
  }
  for (std::size_t i = 0; i <= word.size(); ++i) {
    for (char letter : Letters) {
      std::string variant = word.substr(0, i) + letter + word.substr(i);
      if (known(variant)) return variant;
    }
  }
  return {};
}

}  // namespace corpus
