#include "detection/CandidateScanner.h"

#include <cstddef>
#include <memory>
#include <string_view>

#include "detection/CandidateList.h"
#include "detection/WordChars.h"
#include "dictionary/DictionaryTable.h"
#include "platform/TextFile.h"

namespace {

void ScanLine(const std::string& line, bool ignoreStored) {
  SentenceText sentence;  // made when the line's first candidate is found
  std::size_t wordStart = 0;
  bool inWord = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    bool wordChar = IsWordChar(static_cast<unsigned char>(line[i]));
    if (wordChar) {
      if (!inWord) wordStart = i;
      inWord = true;
      continue;
    }
    if (!inWord) continue;
    inWord = false;
    std::string_view word(line.data() + wordStart, i - wordStart);
    if (IsExcluded(word, ignoreStored)) continue;
    if (!sentence) sentence = std::make_shared<const std::string>(line);
    AddCandidate(word, sentence);
  }
}

}  // namespace

void FindCandidates(const std::string& inputName, bool ignoreStored) {
  platform::LineReader reader(inputName + ".seg");
  std::string line;
  while (reader.NextLine(line)) {
    // The appended space ends the line's last word, and stays in the sentence.
    line.push_back(' ');
    ScanLine(line, ignoreStored);
  }
  reader.Close();
}
