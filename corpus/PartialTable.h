// The partial table of a run: its documents and every word's CorpusWord, in
// a versioned UTF-8 text format, so that runs over parts of a corpus (on
// other machines too) can be merged into the outcome of one run.
//
//   lexavia-corpus parcial 1
//   documentos <N>        then N lines: d <date> <name>
//   palavras <M>          then M words, each:
//     p <frequency> <inside> <capitalisedInside> <documents> <firstDocument>
//       <firstDate> <lastDate> <forms> <months> <contexts>
//     then that many lines: f <count> <form> / m <yyyymm> <count> / c <document> <sentence>
//   fim
//
// Fields are separated by tabs; in texts a backslash and every byte below
// 32 are written as \xHH.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "corpus/WordTable.h"

namespace corpus {

// A partial table that is not one this program wrote whole.
class PartialTableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct PartialTable {
  std::vector<Document> documents;
  CorpusTable table;
};

// Replaces `path` only once it is whole. Throws platform::FileError.
void WritePartialTable(const std::string& path, const PartialTable& partial);

// Reads a partial table, checking all of it. Throws platform::FileError, or
// PartialTableError naming the file and the line for a damaged one.
PartialTable ReadPartialTable(const std::string& path);

// Adds `part` (documents that follow those of `into`) to `into`.
void AppendPartialTable(PartialTable& into, const PartialTable& part);

}  // namespace corpus
