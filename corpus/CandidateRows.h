// The rows of a corpus run: one per candidate word, classified, with the
// decisions of earlier reviews, most frequent first.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "corpus/CandidateRow.h"
#include "corpus/Classifier.h"
#include "corpus/WordTable.h"

namespace corpus {

// Decisions by GroupKey of the word they were made on.
using Decisions = std::map<std::string, Decision>;

// The word a row shows: the most frequent form (of equals, the first in
// byte order).
std::string MostFrequentForm(const CorpusWord& word);

// One row per word of `table` (whose words it takes), classified by `classifier`, with the decision
// of `decisions` on its key; sorted by frequency, most frequent first, then
// by word (byte order).
std::vector<CandidateRow> BuildRows(CorpusTable&& table, const Classifier& classifier,
                                    const Decisions& decisions);

// The decisions on words that no row of `table` holds, in key order: a word
// reviewed once keeps its decision when a later corpus lacks it.
std::vector<Decision> DecisionsWithoutRows(const CorpusTable& table, const Decisions& decisions);

}  // namespace corpus
