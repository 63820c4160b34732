#include "detection/CandidateScanner.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "detection/CandidateList.h"
#include "detection/WordChars.h"
#include "dictionary/DictionaryTable.h"
#include "platform/TextFile.h"

namespace {

// How many words ahead of its lookup a word is announced to the table.
constexpr std::size_t Ahead = 8;
// The announced words, word i at i % Ahead; their buffers serve every line.
using AnnouncedWords = std::array<PreparedWord, Ahead>;

// Looks the words of the line up in order; each is folded and hashed once,
// when it is announced to the table a few words ahead, so that the lookups'
// cache misses overlap.
void ScanLine(const std::string& line, const std::vector<WordSpan>& words, bool ignoreStored,
              AnnouncedWords& ahead) {
  auto wordAt = [&](std::size_t i) {
    return std::string_view(line.data() + words[i].start, words[i].length);
  };
  auto announce = [&](std::size_t i) {
    PrepareWord(wordAt(i), ahead[i % Ahead]);
    PrefetchWord(ahead[i % Ahead]);
  };
  for (std::size_t i = 0; i < std::min(Ahead, words.size()); ++i) announce(i);
  SentenceText sentence;  // made when the line's first candidate is found
  for (std::size_t i = 0; i < words.size(); ++i) {
    bool excluded = IsExcluded(ahead[i % Ahead], ignoreStored);
    if (i + Ahead < words.size()) announce(i + Ahead);
    if (excluded) continue;
    if (!sentence) sentence = std::make_shared<const std::string>(line);
    AddCandidate(wordAt(i), sentence);
  }
}

}  // namespace

void FindCandidates(const std::string& inputName, bool ignoreStored) {
  platform::LineReader reader(inputName + ".seg");
  std::string line;
  std::vector<WordSpan> words;
  AnnouncedWords ahead;
  while (reader.NextLine(line)) {
    // The appended space ends the line's last word, and stays in the sentence.
    line.push_back(' ');
    FindWords(line, words);
    ScanLine(line, words, ignoreStored, ahead);
  }
  reader.Close();
}
