#include "dictionary/DictionaryTable.h"

#include <cstddef>
#include <string>

WordTable DictionaryTable;

namespace {

char FoldByte(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

// A word with A to Z folded to a to z; short words are folded on the stack
// because every word of a text is looked up.
class FoldedWord {
 public:
  explicit FoldedWord(std::string_view word) {
    char* out = inline_;
    if (word.size() > sizeof inline_) {
      long_.resize(word.size());
      out = long_.data();
    }
    for (std::size_t i = 0; i < word.size(); ++i) out[i] = FoldByte(word[i]);
    view_ = std::string_view(out, word.size());
  }
  FoldedWord(const FoldedWord&) = delete;
  FoldedWord& operator=(const FoldedWord&) = delete;

  std::string_view View() const { return view_; }

 private:
  char inline_[64];
  std::string long_;
  std::string_view view_;
};

}  // namespace

std::string FoldCase(std::string_view word) {
  std::string folded(word);
  for (char& c : folded) c = FoldByte(c);
  return folded;
}

void ClearDictionary() { DictionaryTable.Clear(); }

// The entries live in chunks owned by the table, so releasing the table
// releases every entry with its string.
void FreeDictionary() { DictionaryTable.Clear(); }

void InsertWord(std::string_view word, std::uint8_t origin) {
  DictionaryTable.Insert(FoldedWord(word).View(), origin);
}

void PrefetchWord(std::string_view word) { DictionaryTable.Prefetch(FoldedWord(word).View()); }

namespace {

bool IsExcludedOrigin(int origin, bool ignoreStored) {
  return origin == 0 || (origin == 1 && ignoreStored);
}

}  // namespace

bool IsExcluded(std::string_view word, bool ignoreStored) {
  return IsExcludedOrigin(DictionaryTable.Find(FoldedWord(word).View()), ignoreStored);
}

void PrepareWord(std::string_view word, PreparedWord& prepared) {
  prepared.folded.assign(word);
  for (char& c : prepared.folded) c = FoldByte(c);
  prepared.hash = WordTable::IndexHash(prepared.folded);
}

void PrefetchWord(const PreparedWord& word) { DictionaryTable.PrefetchHashed(word.hash); }

void InsertWord(const PreparedWord& word, std::uint8_t origin) {
  DictionaryTable.Insert(word.folded, word.hash, origin);
}

bool IsExcluded(const PreparedWord& word, bool ignoreStored) {
  return IsExcludedOrigin(DictionaryTable.Find(word.folded, word.hash), ignoreStored);
}

std::uint8_t WordOrigin(std::string_view word) {
  int origin = DictionaryTable.Find(FoldedWord(word).View());
  return origin < 0 ? 0 : static_cast<std::uint8_t>(origin);
}
