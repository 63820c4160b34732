#include "quality/CandidateRate.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <vector>

#include "detection/AppState.h"
#include "detection/CandidateList.h"
#include "detection/CandidateScanner.h"
#include "detection/SegmenterBridge.h"
#include "detection/WordChars.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/DictionaryTable.h"
#include "platform/TextFile.h"
#include "support/JoinedTexts.h"
#include "support/TempDir.h"

namespace quality {
namespace {

std::size_t CountWords(const std::string& path) {
  platform::LineReader reader(path);
  std::string line;
  std::size_t words = 0;
  std::vector<WordSpan> spans;
  while (reader.NextLine(line)) {
    FindWords(line, spans);
    words += spans.size();
  }
  reader.Close();
  return words;
}

// A term begins in lower case when its first byte is a to z or an accented
// small letter: of the word characters, Windows-1252 places exactly those
// from 0xE0 on (the capitals lie below, and Y with diaeresis at 0x9F).
bool BeginsInLowerCase(const std::string& term) {
  unsigned char first = static_cast<unsigned char>(term.front());
  return (first >= 'a' && first <= 'z') || first >= 0xE0;
}

}  // namespace

RatePaths BuildPaths() {
  return RatePaths{LEXAVIA_RATE_CORPUS, LEXAVIA_MAIN_DICTIONARY, LEXAVIA_FRASOR};
}

CandidateRate MeasureCandidateRate(const RatePaths& paths, std::size_t mostReportedCount) {
  testing_support::TempDir app;
  std::filesystem::create_directories(app / "dicionarios");
  std::filesystem::create_directories(app / "segmentador");
  std::filesystem::create_symlink(std::filesystem::absolute(paths.mainDictionary),
                                  app / "dicionarios/dicionario_principal.txt");
  testing_support::WriteBytes(app / "dicionarios/dicionario_usuario.txt", "");
  std::filesystem::create_symlink(std::filesystem::absolute(paths.segmenter),
                                  app / "segmentador/frasor.exe");
  std::string input = app / "corpus.txt";
  testing_support::JoinTexts({paths.corpusFolder}, input);

  AppDir = app.Path();
  MainDictionaryLoaded = false;
  ClearDictionary();
  FreeCandidates();
  LoadDictionaries();
  RunSegmenter(input);
  FindCandidates(input, false);

  CandidateRate rate;
  rate.tokens = CountWords(input + ".seg");
  std::map<std::string, std::size_t> counts;
  for (const neo* record = CandidateList.Head; record != nullptr; record = record->Next) {
    ++rate.candidates;
    if (BeginsInLowerCase(record->Term)) ++rate.lowerCaseCandidates;
    ++counts[record->Term];
  }
  FreeCandidates();
  FreeDictionary();

  rate.mostReported.assign(counts.begin(), counts.end());
  std::stable_sort(rate.mostReported.begin(), rate.mostReported.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  if (rate.mostReported.size() > mostReportedCount) rate.mostReported.resize(mostReportedCount);
  return rate;
}

}  // namespace quality
