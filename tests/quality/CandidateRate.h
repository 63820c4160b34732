// Measures which share of a corpus's word tokens the real pipeline reports
// as candidates: the shipped main dictionary, the segmenter and the scanner.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace quality {

struct CandidateRate {
  std::size_t tokens = 0;               // words of the segmented text
  std::size_t candidates = 0;           // of them, reported as candidates
  std::size_t lowerCaseCandidates = 0;  // of those, beginning in lower case
  std::vector<std::pair<std::string, std::size_t>> mostReported;  // term, count; most first

  double Percent() const { return tokens == 0 ? 0 : 100.0 * candidates / tokens; }
  double LowerCasePercent() const { return tokens == 0 ? 0 : 100.0 * lowerCaseCandidates / tokens; }
};

struct RatePaths {
  std::string corpusFolder;    // texts *.txt, in any encoding the segmenter reads
  std::string mainDictionary;  // the shipped dicionario_principal.txt
  std::string segmenter;       // the built frasor.exe
};

// Joins the corpus's texts into one input, runs the stages on it in a
// temporary application folder, and counts. Throws on failure.
CandidateRate MeasureCandidateRate(const RatePaths& paths, std::size_t mostReportedCount);

// The paths of the tuning corpus and of this build.
RatePaths BuildPaths();

}  // namespace quality
