// Prints the share of the tuning corpus's word tokens that the shipped
// dictionaries report as candidates, the share of those beginning in lower
// case, and the 50 most reported words.
//
//   candidate_rate [CORPUS_FOLDER]
#include <cstdio>
#include <exception>
#include <string>

#include "quality/CandidateRate.h"

namespace {

// A term for a UTF-8 terminal. Terms hold only word characters: ASCII
// letters and the hyphen, Latin-1 letters, and Y with diaeresis (159).
std::string ForTerminal(const std::string& term) {
  std::string text;
  for (unsigned char c : term) {
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else if (c == 0x9F) {
      text += "\xC5\xB8";
    } else {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  quality::RatePaths paths = quality::BuildPaths();
  if (argc > 1) paths.corpusFolder = argv[1];
  try {
    quality::CandidateRate rate = quality::MeasureCandidateRate(paths, 50);
    std::printf("%zu of %zu word tokens reported: %.2f%%; %zu beginning in lower case: %.2f%%\n",
                rate.candidates, rate.tokens, rate.Percent(), rate.lowerCaseCandidates,
                rate.LowerCasePercent());
    for (const auto& [term, count] : rate.mostReported)
      std::printf("%7zu %s\n", count, ForTerminal(term).c_str());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "candidate_rate: %s\n", error.what());
    return 1;
  }
  return 0;
}
