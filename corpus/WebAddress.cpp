#include "corpus/WebAddress.h"

#include "detection/WordChars.h"

namespace corpus {
namespace {

bool IsAddressMark(char byte) { return byte == '.' || byte == '/' || byte == '@'; }

// An at sign before the word may stand apart from it (@ perfil); a dot
// after it must lead to more of the address, not end the sentence.
bool InAddress(std::string_view sentence, std::size_t at, std::size_t size) {
  if (at > 0 && IsAddressMark(sentence[at - 1])) return true;
  if (at > 1 && sentence[at - 1] == ' ' && sentence[at - 2] == '@') return true;
  std::size_t end = at + size;
  if (end + 1 < sentence.size() && IsAddressMark(sentence[end]) && sentence[end + 1] != ' ')
    return true;
  return false;
}

bool IsWordByte(char byte) { return IsWordChar(static_cast<unsigned char>(byte)); }

}  // namespace

bool IsWebAddressPiece(const CorpusWord& data) {
  std::size_t inAddress = 0, occurrences = 0;
  for (const Context& context : data.contexts) {
    std::string_view sentence = context.sentence;
    for (const auto& [word, count] : data.forms) {
      for (std::size_t at = sentence.find(word); at != std::string_view::npos;
           at = sentence.find(word, at + 1)) {
        std::size_t end = at + word.size();
        if ((at > 0 && IsWordByte(sentence[at - 1])) ||
            (end < sentence.size() && IsWordByte(sentence[end])))
          continue;
        ++occurrences;
        if (InAddress(sentence, at, word.size())) ++inAddress;
      }
    }
  }
  return 2 * inAddress > occurrences;
}

}  // namespace corpus
