// Classes of Portuguese words that the sentence and line rules look at. The
// lists come from the grammar of the language, not from any corpus.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "frasor/CharClasses.h"

namespace frasor {

// True when `word` (Windows-1252, in lower case as written) is a word that
// needs a word after it and so cannot end a sentence: the definite articles,
// the simple prepositions and their contractions with the articles ("do",
// "na", "pelo", "à", "num"), the coordinating conjunctions, "que" and "se",
// the unstressed pronouns that stand before a verb ("lhe", "me") and "cujo".
// Words that also end sentences are left out: "um" and "uma" (numerals and
// pronouns), "contra", "como", "quando", "onde", "pois".
bool CannotEndSentence(std::string_view word);

// True when `word` (Windows-1252, in any case, without punctuation) is a word
// that opens sentences and is no name: articles, pronouns, prepositions,
// conjunctions, adverbs and common verbs ("O", "Em", "Ele", "Hoje", "Foi").
// "São" is left out: it starts names of places and streets.
bool IsSentenceOpener(std::string_view word);

// Whether `word` in lower case is one of `sortedList` (sorted by byte value,
// no entry longer than Longest bytes).
template <std::size_t Longest, std::size_t N>
bool IsListedInLowerCase(const std::array<std::string_view, N>& sortedList, std::string_view word) {
  if (word.empty() || word.size() > Longest) return false;
  char lower[Longest];
  for (std::size_t i = 0; i < word.size(); ++i) {
    lower[i] = static_cast<char>(ToLower(static_cast<unsigned char>(word[i])));
  }
  return std::binary_search(sortedList.begin(), sortedList.end(),
                            std::string_view(lower, word.size()));
}

}  // namespace frasor
