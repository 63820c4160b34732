// The outcome of a corpus run, as both writers (the table and the page) take it.
#pragma once

#include <string>
#include <vector>

#include "corpus/CorpusWord.h"
#include "corpus/WordClass.h"

namespace corpus {

// A review's decision on a word, as decisoes.tsv holds it (Windows-1252).
struct Decision {
  std::string word;      // as the review wrote it
  std::string decision;  // "neologismo" or "rejeitada"
  std::string note;
  std::string date;
};

struct CandidateRow {
  std::string word;  // the most frequent surface form
  CorpusWord data;
  Classification classification;
  // From decisoes.tsv of the output folder: "neologismo", "rejeitada" or
  // empty; its note and date.
  std::string decision;
  std::string note;
  std::string decisionDate;
};

struct CorpusResult {
  std::vector<Document> documents;
  std::vector<CandidateRow> rows;  // by frequency, most frequent first
  // decisoes.tsv's decisions on words no row holds: the page saves them
  // again with its own.
  std::vector<Decision> otherDecisions;
};

}  // namespace corpus
