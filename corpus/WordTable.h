// The candidate words of a corpus (or of a part of one), keyed by GroupKey.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "corpus/CorpusWord.h"

namespace corpus {

using CorpusTable = std::unordered_map<std::string, CorpusWord>;

// Adds every word of `from` into `into`; both count disjoint documents of
// `documents`.
void MergeTable(CorpusTable& into, const CorpusTable& from, const std::vector<Document>& documents);

}  // namespace corpus
