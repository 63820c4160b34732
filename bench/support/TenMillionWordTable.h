// The dictionary table filled once per benchmark process with ten million
// distinct synthetic words, as large as a full-form Portuguese lexicon.
#pragma once

#include <cstddef>

#include "support/ResidentMemory.h"
#include "support/SyntheticText.h"

namespace bench_support {

inline constexpr std::size_t TableWordCount = 10'000'000;

struct TableBuild {
  double seconds;             // inserting every word, duplicates checked
  std::size_t residentBytes;  // growth of resident memory while inserting
};

const WordList& TableWords();

// Fills DictionaryTable on the first call; later calls return the same figures.
const TableBuild& BuildTable();

}  // namespace bench_support
