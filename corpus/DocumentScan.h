// The candidate words of one document: its sentences from the segmenter's
// code in process, its words by the scanner's word rule, those the main
// dictionary lacks (IsExcluded(word, false), as the desktop program's
// default run) counted.
#pragma once

#include <cstdint>
#include <string>

#include "corpus/WordTable.h"

namespace corpus {

// Scans the file `path`, document `index` of the corpus, dated `date`, and
// replaces `found` with its candidates (at most ContextCap contexts each);
// returns the bytes of text read. The dictionary table is only read.
// Throws platform::FileError.
std::uint64_t ScanDocument(const std::string& path, std::uint32_t index, Date date,
                           CorpusTable& found);

}  // namespace corpus
