// decisoes.tsv: the decisions of a review, kept in the output folder.
#pragma once

#include <string>

#include "corpus/CandidateRows.h"

namespace corpus {

inline constexpr const char* DecisionsFileName = "decisoes.tsv";

// Reads a decisions file (UTF-8, tab-separated, a header row naming at
// least `palavra` and `decisao`; `nota` and `data` where present, in any
// order). Rows whose decision is neither "neologismo" nor "rejeitada" are
// left out; of two rows on one word the later counts. Throws
// platform::FileError.
Decisions ReadDecisions(const std::string& path);

}  // namespace corpus
