#include "corpus/DocumentScan.h"

#include <algorithm>
#include <string_view>

#include "corpus/FormGrouping.h"
#include "detection/WordChars.h"
#include "dictionary/DictionaryTable.h"
#include "frasor/SegmentFile.h"

namespace corpus {

std::uint64_t ScanDocument(const std::string& path, std::uint32_t index,
                           const std::vector<Document>& documents, CorpusTable& table) {
  CorpusTable found;  // this document's words, merged once it was read whole
  std::uint64_t bytes = 0;
  std::vector<WordSpan> words;
  std::vector<const CorpusWord*> keptHere;  // words given this sentence as a context
  frasor::SentenceSource(path).GiveSentences([&](std::string_view sentence) {
    bytes += sentence.size() + 2;  // with its line break, as the segmented text holds it
    FindWords(sentence, words);
    keptHere.clear();
    for (std::size_t i = 0; i < words.size(); ++i) {
      std::string_view form = sentence.substr(words[i].start, words[i].length);
      if (IsExcluded(form, false)) continue;
      std::string key = GroupKey(form);
      CorpusWord& word = found[key];
      ++word.forms[std::string(form)];
      ++word.frequency;
      // The sentence's first word is capitalised by the sentence, not the word.
      if (i > 0) {
        ++word.inside;
        if (key[0] != form[0]) ++word.capitalisedInside;
      }
      bool keptAlready = std::find(keptHere.begin(), keptHere.end(), &word) != keptHere.end();
      if (!keptAlready && word.contexts.size() < ContextCap) {
        word.contexts.push_back(Context{std::string(sentence), index});
        keptHere.push_back(&word);
      }
    }
  });

  Date date = documents[index].date;
  for (auto& [key, word] : found) {
    word.documents = 1;
    word.firstDocument = index;
    word.firstDate = date;
    word.lastDate = date;
    if (date != 0) word.perMonth[date / 100] = word.frequency;
    MergeInto(table[key], word, documents);
  }
  return bytes;
}

}  // namespace corpus
