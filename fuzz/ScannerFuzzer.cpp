// Arbitrary bytes as the segmented text `<input>.seg`, scanned by
// FindCandidates against a small fixed dictionary. The candidates must be
// exactly the words (maximal runs of word characters, without the hyphens
// they begin or end with) of the lines that the
// dictionary does not exclude, in text order, each with its line and one
// space as its sentence.
//
// Input: a flags byte (whether stored words are ignored), a padding byte and
// a filler byte (how many bytes of which filler go in front, up to the
// length of the reader's buffer), then the text.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "detection/CandidateList.h"
#include "detection/CandidateScanner.h"
#include "detection/WordChars.h"
#include "dictionary/DictionaryTable.h"
#include "fuzz/FuzzSupport.h"

namespace {

using fuzz_support::Folded;

// The fixed dictionary: folded word and origin.
const std::map<std::string, std::uint8_t>& Dictionary() {
  static const std::map<std::string, std::uint8_t> dictionary = {
      {"casa", 0},
      {"de", 0},
      {"lisboa", 1},
      {"p\xE9", 0},
      {"guarda-chuva", 0},
      {"x", 1},
      {"-", 0},
      {"\xE7\xE3o", 1},
      {"a", 0},
      {"\x9F", 1},
      {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", 0},
  };
  return dictionary;
}

bool ExcludedByReference(std::string_view word, bool ignoreStored) {
  auto found = Dictionary().find(Folded(word));
  if (found == Dictionary().end()) return false;
  return found->second == 0 || ignoreStored;
}

struct Expected {
  std::string term;
  std::size_t line;  // index into the reference lines
};

std::string InputName() { return fuzz_support::Scratch().Path() + "/texto.txt"; }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ClearDictionary();
  for (const auto& [word, origin] : Dictionary()) InsertWord(word, origin);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_support::Input input(data, size);
  bool ignoreStored = input.TakeByte() & 1;
  std::uint8_t pad = input.TakeByte();
  std::uint8_t filler = input.TakeByte();
  constexpr std::string_view Fillers[] = {"a", " ", "\n", "Casa de "};
  std::string text =
      fuzz_support::Padding(fuzz_support::PaddingLength(pad, {1 << 16}), Fillers[filler % 4]) +
      std::string(input.Rest());
  fuzz_support::WriteFile(InputName() + ".seg", text);

  FreeCandidates();
  FindCandidates(InputName(), ignoreStored);

  // The words of every line, found here on their own.
  std::vector<std::string> sentences;
  std::vector<Expected> expected;
  for (const std::string& line : fuzz_support::ReferenceLines(text)) {
    std::string sentence = line + " ";
    std::size_t i = 0;
    while (i < sentence.size()) {
      if (!IsWordChar(static_cast<unsigned char>(sentence[i]))) {
        ++i;
        continue;
      }
      std::size_t end = i;
      while (IsWordChar(static_cast<unsigned char>(sentence[end]))) ++end;
      // Without the hyphens the run begins or ends with; hyphens alone are no word.
      std::size_t first = i, last = end;
      while (first < last && sentence[first] == '-') ++first;
      while (last > first && sentence[last - 1] == '-') --last;
      std::string word = sentence.substr(first, last - first);
      if (!word.empty() && !ExcludedByReference(word, ignoreStored)) {
        expected.push_back({word, sentences.size()});
      }
      i = end;
    }
    sentences.push_back(sentence);
  }

  std::size_t count = 0;
  const neo* previous = nullptr;
  std::size_t searchFrom = 0;  // where the previous term ended in its sentence
  for (const neo* record = CandidateList.Head; record != nullptr; record = record->Next) {
    FUZZ_REQUIRE(count < expected.size());
    const Expected& want = expected[count];
    // The record itself: a non-empty term and a sentence that ends in a space.
    FUZZ_REQUIRE(!record->Term.empty());
    FUZZ_REQUIRE(record->Sentence != nullptr);
    const std::string& sentence = *record->Sentence;
    FUZZ_REQUIRE(!sentence.empty() && sentence.back() == ' ');
    FUZZ_REQUIRE(record->MaybeProperName == (record->Term[0] >= 'A' && record->Term[0] <= 'Z'));
    for (char c : record->Term) FUZZ_REQUIRE(IsWordChar(static_cast<unsigned char>(c)));
    FUZZ_REQUIRE(record->Term.front() != '-' && record->Term.back() != '-');
    FUZZ_REQUIRE(!IsExcluded(record->Term, ignoreStored));
    // Records of one line share its text; a new line's text is another.
    bool sameLine = previous != nullptr && expected[count - 1].line == want.line;
    if (previous != nullptr) FUZZ_REQUIRE((previous->Sentence == record->Sentence) == sameLine);
    if (!sameLine) searchFrom = 0;
    // The term, with the hyphens against it, is the next maximal run of word
    // characters at or after the previous term of its sentence that is not
    // excluded: text order.
    std::size_t at = searchFrom;
    for (;;) {
      at = sentence.find(record->Term, at);
      FUZZ_REQUIRE(at != std::string::npos);
      std::size_t before = at, after = at + record->Term.size();
      while (before > 0 && sentence[before - 1] == '-') --before;
      while (after < sentence.size() && sentence[after] == '-') ++after;
      bool maximal =
          (before == 0 || !IsWordChar(static_cast<unsigned char>(sentence[before - 1]))) &&
          after < sentence.size() && !IsWordChar(static_cast<unsigned char>(sentence[after]));
      if (maximal) break;
      ++at;
    }
    searchFrom = at + record->Term.size();
    // And it is what the independent count expects there.
    FUZZ_REQUIRE(record->Term == want.term);
    FUZZ_REQUIRE(sentence == sentences[want.line]);
    previous = record;
    ++count;
  }
  FUZZ_REQUIRE(count == expected.size());
  FUZZ_REQUIRE((CandidateList.Head == nullptr) == (CandidateList.Tail == nullptr));
  if (count > 0) FUZZ_REQUIRE(CandidateList.Tail == previous && previous->Next == nullptr);
  FreeCandidates();
  FUZZ_REQUIRE(CandidateList.Head == nullptr && CandidateList.Tail == nullptr);
  return 0;
}
