// Corpus results made by hand for the tests of the page: a few words with
// texts that try to become markup, and many generated rows for its bench.
#pragma once

#include <cstddef>

#include "corpus/CandidateRow.h"

namespace testing_support {

// Six words over three documents, one of them undated; a document name and
// a sentence hold markup and a script, another name U+2028.
corpus::CorpusResult SampleCorpus();

// `rows` words over 2,000 dated documents, most of them seen once, as the
// words of a large corpus are; the same for the same `rows`.
corpus::CorpusResult GeneratedCorpus(std::size_t rows);

}  // namespace testing_support
