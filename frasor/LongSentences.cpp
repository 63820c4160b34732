#include "frasor/LongSentences.h"

#include "frasor/CharClasses.h"

namespace frasor {
namespace {

// The blanks of the sentence rules, no-break space included, so that no
// piece ends in one.
bool IsBlank(char c) { return frasor::IsBlank(static_cast<unsigned char>(c)); }

std::string_view WithoutBlanksAtEnds(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

void SplitLongSentence(std::string_view sentence, std::size_t limit, const SentenceSink& sink) {
  sentence = WithoutBlanksAtEnds(sentence);
  while (sentence.size() > limit) {
    std::size_t cut = limit;
    for (std::size_t i = limit; i > 0; --i) {
      if (IsBlank(sentence[i])) {
        cut = i;
        break;
      }
    }
    std::string_view piece = WithoutBlanksAtEnds(sentence.substr(0, cut));
    if (!piece.empty()) sink(piece);
    sentence = WithoutBlanksAtEnds(sentence.substr(cut));
  }
  if (!sentence.empty()) sink(sentence);
}

}  // namespace frasor
