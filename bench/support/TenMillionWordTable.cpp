#include "support/TenMillionWordTable.h"

#include <chrono>

#include "dictionary/DictionaryTable.h"

namespace bench_support {

// How many words ahead a word is announced to the table.
constexpr std::size_t PrefetchDistance = 8;

const WordList& TableWords() {
  static const WordList words = DistinctWords(TableWordCount);
  return words;
}

const TableBuild& BuildTable() {
  static const TableBuild build = [] {
    const WordList& words = TableWords();
    ClearDictionary();
    std::size_t before = ResidentBytes();
    auto start = std::chrono::steady_clock::now();
    // As the dictionary loader does: each word is announced a few words ahead.
    for (std::size_t i = 0; i < words.Size(); ++i) {
      if (i + PrefetchDistance < words.Size()) PrefetchWord(words[i + PrefetchDistance]);
      InsertWord(words[i], 0);
    }
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return TableBuild{elapsed.count(), ResidentBytes() - before};
  }();
  return build;
}

}  // namespace bench_support
