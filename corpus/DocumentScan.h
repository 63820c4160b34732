// The candidate words of one document: its sentences from the segmenter's
// code in process, its words by the scanner's word rule, those the main
// dictionary lacks (IsExcluded(word, false), as the desktop program's
// default run) counted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "corpus/WordTable.h"

namespace corpus {

// Scans the file `path`, document `index` of `documents`, and adds its
// candidates to `table`, which must hold no occurrence of that document;
// returns the bytes of text read. The dictionary table is only read. When
// reading fails, `table` is left unchanged. Throws platform::FileError.
std::uint64_t ScanDocument(const std::string& path, std::uint32_t index,
                           const std::vector<Document>& documents, CorpusTable& table);

}  // namespace corpus
