// Gives a candidate word of a corpus its class, from what the corpus says of
// it, the dictionary table (the known words) and the word lists of
// data/corpus/. The worst error is a real new word in a noise class, so a
// word that no test settles is Outra or Formacao.
#pragma once

#include <string>

#include "corpus/CorpusWord.h"
#include "corpus/Misspelling.h"
#include "corpus/WordClass.h"
#include "corpus/WordFormation.h"
#include "corpus/WordListFile.h"

namespace corpus {

class Classifier {
 public:
  // Reads the word lists from `listsFolder`. Throws platform::FileError.
  explicit Classifier(const std::string& listsFolder);

  // `word` is its most frequent surface form. The known words are those of
  // the dictionary table, which must be loaded.
  Classification Classify(const std::string& word, const CorpusWord& data) const;

 private:
  Classification ClassifyLowerCase(const std::string& word, const std::string& lower,
                                   const CorpusWord& data) const;

  WordSet foreignWords_;
  WordFormation formation_;
  Misspelling misspelling_;
};

}  // namespace corpus
