// candidatos.html: one self-contained page of a corpus run's candidates.
#pragma once

#include <string>

#include "corpus/CandidateRow.h"

namespace corpus {

// Writes the page to `path` (UTF-8), replacing it only once it is whole.
// Throws platform::FileError.
void WriteCandidatesPage(const std::string& path, const CorpusResult& result);

}  // namespace corpus
