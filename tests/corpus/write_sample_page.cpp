// Writes the candidates page of the sample corpus, or of ROWS generated
// words, for the browser test and its bench; with --rejeitada, the sample
// as a run that read WORD rejected from a decisoes.tsv edited by hand.
// Usage: write_sample_page PAGE [ROWS | --rejeitada WORD]
#include <iostream>
#include <string>

#include "corpus/CandidatesPage.h"
#include "corpus/SampleCorpus.h"

int main(int argc, char** argv) {
  std::string option = argc > 2 ? argv[2] : "";
  bool rejected = option == "--rejeitada";
  if (argc < 2 || argc > 4 || (argc == 4) != rejected) {
    std::cerr << "usage: write_sample_page PAGE [ROWS | --rejeitada WORD]\n";
    return 2;
  }
  corpus::CorpusResult result = argc == 3 ? testing_support::GeneratedCorpus(std::stoul(option))
                                          : testing_support::SampleCorpus();
  for (corpus::CandidateRow& row : result.rows) {
    if (rejected && row.word == argv[3]) {
      row.decision = "rejeitada";
      row.note = "\xE0 m\xE3o";
      row.decisionDate = "2026-12-01";
    }
  }
  corpus::WriteCandidatesPage(argv[1], result);
  return 0;
}
