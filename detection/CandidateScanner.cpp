#include "detection/CandidateScanner.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "detection/CandidateList.h"
#include "detection/WordChars.h"
#include "dictionary/DictionaryTable.h"
#include "platform/TextFile.h"

namespace {

// Looks the words of the line up in order; each is announced to the table
// a few words ahead, so that the lookups' cache misses overlap.
void ScanLine(const std::string& line, const std::vector<WordSpan>& words, bool ignoreStored) {
  constexpr std::size_t Ahead = 8;
  auto wordAt = [&](std::size_t i) {
    return std::string_view(line.data() + words[i].start, words[i].length);
  };
  for (std::size_t i = 0; i < std::min(Ahead, words.size()); ++i) PrefetchWord(wordAt(i));
  SentenceText sentence;  // made when the line's first candidate is found
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i + Ahead < words.size()) PrefetchWord(wordAt(i + Ahead));
    std::string_view word = wordAt(i);
    if (IsExcluded(word, ignoreStored)) continue;
    if (!sentence) sentence = std::make_shared<const std::string>(line);
    AddCandidate(word, sentence);
  }
}

}  // namespace

void FindCandidates(const std::string& inputName, bool ignoreStored) {
  platform::LineReader reader(inputName + ".seg");
  std::string line;
  std::vector<WordSpan> words;
  while (reader.NextLine(line)) {
    // The appended space ends the line's last word, and stays in the sentence.
    line.push_back(' ');
    FindWords(line, words);
    ScanLine(line, words, ignoreStored);
  }
  reader.Close();
}
