// Writes the candidates page of the sample corpus, or of ROWS generated
// words, for the browser test and its bench.
// Usage: write_sample_page PAGE [ROWS]
#include <cstdlib>
#include <iostream>
#include <string>

#include "corpus/CandidatesPage.h"
#include "corpus/SampleCorpus.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::cerr << "usage: write_sample_page PAGE [ROWS]\n";
    return 2;
  }
  corpus::WriteCandidatesPage(argv[1], argc == 3
                                           ? testing_support::GeneratedCorpus(std::stoul(argv[2]))
                                           : testing_support::SampleCorpus());
  return 0;
}
