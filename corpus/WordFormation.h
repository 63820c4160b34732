// New words made of known parts: a known prefix before a known base, a
// known base before a productive suffix, known words joined by hyphens, or
// two known words written as one (geneterapia).
// The prefixes and suffixes are the lists prefixos.txt and sufixos.txt of
// data/corpus/. Blends (two words overlapping) are not told: nothing marks
// where one word ends and the other begins.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "corpus/WordListFile.h"

namespace corpus {

class WordFormation {
 public:
  WordFormation() = default;
  // Reads prefixos.txt, sufixos.txt and cliticos.txt from `listsFolder`.
  // Throws platform::FileError.
  explicit WordFormation(const std::string& listsFolder);

  // How `word` (as written; tested in lower case) is made of known parts,
  // in a few words ("anti + vacina"); empty when it is not.
  std::string PartsOf(std::string_view word) const;

  // Whether `lower` (or its singular) ends in a productive suffix of the
  // list of four letters or more after a stem, whatever the stem: a formation on a base the
  // dictionary lacks (thatcherismo) rather than a slip.
  bool HasProductiveSuffix(const std::string& lower) const;

  // How `lower` is two known words written as one ("gene + terapia"), empty
  // when it is not. Less sure than PartsOf: the dictionary's many short
  // words cut many a misspelling in two.
  static std::string ClosedCompoundParts(const std::string& lower);

  // Whether `lower` is a known verb form with a hyphenated pronoun
  // (lembrou-se, dir-se-ia): standard Portuguese, not a new word.
  bool IsVerbWithPronoun(std::string_view lower) const;

 private:
  struct Suffix {
    std::string suffix;
    std::vector<std::string> baseEndings;  // what the stem takes back to be the base
  };

  std::string PrefixParts(const std::string& lower, int depth) const;
  std::string SuffixParts(const std::string& lower) const;
  std::string CompoundParts(std::string_view word) const;

  std::vector<std::string> prefixes_;        // joined without a hyphen too
  std::vector<std::string> hyphenPrefixes_;  // joined by a hyphen only (ex-, pós-)
  std::vector<Suffix> suffixes_;
  WordSet pronouns_;
};

}  // namespace corpus
