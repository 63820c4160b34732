#include "corpus/WordTable.h"

namespace corpus {

void MergeTable(CorpusTable& into, const CorpusTable& from,
                const std::vector<Document>& documents) {
  for (const auto& [key, word] : from) MergeInto(into[key], word, documents);
}

}  // namespace corpus
