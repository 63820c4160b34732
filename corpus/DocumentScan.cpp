#include "corpus/DocumentScan.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "corpus/FormGrouping.h"
#include "detection/WordChars.h"
#include "dictionary/DictionaryTable.h"
#include "frasor/SegmentFile.h"

namespace corpus {

namespace {

// Counts the candidates of a document's sentences into `found`, a batch of
// sentences at a time: each word is announced to the dictionary table a few
// words ahead, across sentence ends, so that the lookups' cache misses
// overlap.
class SentenceBatch {
 public:
  SentenceBatch(std::uint32_t document, CorpusTable& found) : document_(document), found_(found) {}

  void Add(std::string_view sentence) {
    std::size_t start = text_.size();
    text_ += sentence;
    FindWords(sentence, spans_);
    for (std::size_t i = 0; i < spans_.size(); ++i) {
      words_.push_back({start + spans_[i].start, spans_[i].length, sentences_.size(), i == 0});
    }
    sentences_.push_back({start, sentence.size()});
    if (text_.size() >= BatchBytes) Count();
  }

  // Counts what the batch holds, and empties it.
  void Count() {
    auto formAt = [&](std::size_t i) {
      return std::string_view(text_).substr(words_[i].start, words_[i].length);
    };
    // Each word is folded and hashed once, when it is announced; ahead_
    // holds the announced words, word i at i % Ahead.
    auto announce = [&](std::size_t i) {
      PrepareWord(formAt(i), ahead_[i % Ahead]);
      PrefetchWord(ahead_[i % Ahead]);
    };
    for (std::size_t i = 0; i < std::min(Ahead, words_.size()); ++i) announce(i);
    std::vector<const CorpusWord*> keptHere;  // words given the current sentence as a context
    for (std::size_t i = 0; i < words_.size(); ++i) {
      // The user dictionary's words are known too: rejected words go there.
      bool excluded = IsExcluded(ahead_[i % Ahead], true);
      if (i + Ahead < words_.size()) announce(i + Ahead);
      if (words_[i].opensSentence) keptHere.clear();
      if (excluded) continue;
      std::string_view form = formAt(i);
      std::string key = GroupKey(form);
      CorpusWord& word = found_[key];
      ++word.forms[std::string(form)];
      ++word.frequency;
      // The sentence's first word is capitalised by the sentence, not the word.
      if (!words_[i].opensSentence) {
        ++word.inside;
        if (key[0] != form[0]) ++word.capitalisedInside;
      }
      bool keptAlready = std::find(keptHere.begin(), keptHere.end(), &word) != keptHere.end();
      if (!keptAlready && word.contexts.size() < ContextCap) {
        const auto& [start, length] = sentences_[words_[i].sentence];
        word.contexts.push_back(Context{text_.substr(start, length), document_});
        keptHere.push_back(&word);
      }
    }
    text_.clear();
    words_.clear();
    sentences_.clear();
  }

 private:
  static constexpr std::size_t BatchBytes = 1 << 15;
  static constexpr std::size_t Ahead = 16;  // on news text, 16 words ahead beat 8 by about a tenth

  struct Word {
    std::size_t start;
    std::size_t length;
    std::size_t sentence;
    bool opensSentence;
  };

  std::uint32_t document_;
  CorpusTable& found_;
  std::string text_;  // the batch's sentences, one after the other
  std::vector<std::pair<std::size_t, std::size_t>> sentences_;  // start and length in text_
  std::vector<Word> words_;
  std::vector<WordSpan> spans_;
  std::array<PreparedWord, Ahead> ahead_;
};

}  // namespace

std::uint64_t ScanDocument(const std::string& path, std::uint32_t index, Date date,
                           CorpusTable& found) {
  found.clear();
  std::uint64_t bytes = 0;
  SentenceBatch batch(index, found);
  frasor::SentenceSource(path).GiveSentences([&](std::string_view sentence) {
    bytes += sentence.size() + 2;  // with its line break, as the segmented text holds it
    batch.Add(sentence);
  });
  batch.Count();

  for (auto& [key, word] : found) {
    word.documents = 1;
    word.firstDocument = index;
    word.firstDate = date;
    word.lastDate = date;
    if (date != 0) word.perMonth[date / 100] = word.frequency;
  }
  return bytes;
}

}  // namespace corpus
