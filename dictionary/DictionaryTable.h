// The process-wide dictionary table: the set of words that are not
// neologisms, each tagged with the file it came from. Words are folded
// (A to Z become a to z, no other byte changes) before they are hashed,
// stored or compared.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dictionary/WordTable.h"

extern WordTable DictionaryTable;

// `word` with A to Z folded to a to z, as the table holds it.
std::string FoldCase(std::string_view word);

// Makes every bucket empty.
void ClearDictionary();

// Releases every entry of the table.
void FreeDictionary();

// Adds the folded `word` with `origin` (0 or 1) unless the table holds it;
// an entry keeps the origin it was given first.
void InsertWord(std::string_view word, std::uint8_t origin);

// A hint that `word` will be inserted or looked up soon (see WordTable).
void PrefetchWord(std::string_view word);

// True when `word`, as written in the text, is not to be reported: it is
// held with origin 0, or with origin 1 and `ignoreStored` is true.
bool IsExcluded(std::string_view word, bool ignoreStored);

// A word of a text folded and hashed once, for a scan that announces each
// word some words ahead of its lookup.
struct PreparedWord {
  std::string folded;
  std::uint64_t hash = 0;
};
// Folds and hashes `word` into `prepared`, whose buffer is reused.
void PrepareWord(std::string_view word, PreparedWord& prepared);
void PrefetchWord(const PreparedWord& word);
bool IsExcluded(const PreparedWord& word, bool ignoreStored);
void InsertWord(const PreparedWord& word, std::uint8_t origin);

// The origin of the entry that holds the folded `word`, 0 when there is none.
std::uint8_t WordOrigin(std::string_view word);
