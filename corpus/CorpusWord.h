// What a corpus says of one candidate word: its occurrences in every surface
// form, summed over the documents. Texts are Windows-1252, as elsewhere in
// the system; the writers convert them to UTF-8.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace corpus {

// A day as yyyymmdd (20240517), 0 when the document has no date.
using Date = std::uint32_t;

// One document of the corpus, in corpus order (the order of its paths,
// folders read in a stable order).
struct Document {
  std::string name;  // as the user named it, relative to the folder given
  Date date = 0;
};

// A sentence that holds the word, and the document (index into the
// corpus's documents) it comes from.
struct Context {
  std::string sentence;
  std::uint32_t document = 0;
};

struct CorpusWord {
  // Surface form -> occurrences. Case variants always share a word; the
  // grouping of plural and feminine forms adds theirs.
  std::map<std::string, std::uint64_t> forms;
  std::uint64_t frequency = 0;
  // Occurrences not at the start of a sentence, and those of them written
  // with a capital first letter: a name is capitalised inside sentences too.
  std::uint64_t inside = 0;
  std::uint64_t capitalisedInside = 0;
  std::uint32_t documents = 0;
  // The document where it first occurs, by date where known, else by corpus
  // order; and the first and last dates of dated documents holding it.
  std::uint32_t firstDocument = 0;
  Date firstDate = 0;
  Date lastDate = 0;
  // yyyymm -> occurrences in dated documents of that month.
  std::map<std::uint32_t, std::uint64_t> perMonth;
  // At most ContextCap sentences, the earliest in corpus order.
  std::vector<Context> contexts;
};

inline constexpr std::size_t ContextCap = 50;

// Whether document `a` comes before document `b` for first attestation:
// dated documents by date, before undated ones; then corpus order.
bool AttestedEarlier(std::uint32_t a, std::uint32_t b, const std::vector<Document>& documents);

// Adds what `from` says of a word to `into`. Both count occurrences in
// `documents` (indices into it), and no document holds occurrences counted
// by both, so the document counts add up.
void MergeInto(CorpusWord& into, const CorpusWord& from, const std::vector<Document>& documents);

}  // namespace corpus
