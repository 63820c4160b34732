#include "detection/WordChars.h"

#include <array>
#include <string_view>

namespace {

// á é í ó ú â ê î ô û ã õ à è ì ò ù ä ë ï ö ü ç ý ÿ, then their capitals
// (Ÿ is 159 in Windows-1252).
constexpr std::string_view AccentedLetters =
    "\xE1\xE9\xED\xF3\xFA\xE2\xEA\xEE\xF4\xFB\xE3\xF5\xE0\xE8\xEC\xF2\xF9\xE4\xEB\xEF\xF6\xFC\xE7"
    "\xFD\xFF"
    "\xC1\xC9\xCD\xD3\xDA\xC2\xCA\xCE\xD4\xDB\xC3\xD5\xC0\xC8\xCC\xD2\xD9\xC4\xCB\xCF\xD6\xDC\xC7"
    "\xDD\x9F";

constexpr std::array<bool, 256> MakeWordCharTable() {
  std::array<bool, 256> table{};
  for (int c = 'A'; c <= 'Z'; ++c) table[c] = true;
  for (int c = 'a'; c <= 'z'; ++c) table[c] = true;
  table['-'] = true;
  for (char c : AccentedLetters) table[static_cast<unsigned char>(c)] = true;
  return table;
}

constexpr std::array<bool, 256> WordCharTable = MakeWordCharTable();

}  // namespace

bool IsWordChar(unsigned char ch) { return WordCharTable[ch]; }

void FindWords(std::string_view text, std::vector<WordSpan>& words) {
  words.clear();
  auto add = [&](std::size_t start, std::size_t end) {
    while (start < end && text[start] == '-') ++start;
    while (end > start && text[end - 1] == '-') --end;
    if (start < end) words.push_back(WordSpan{start, end - start});
  };
  std::size_t wordStart = 0;
  bool inWord = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool wordChar = IsWordChar(static_cast<unsigned char>(text[i]));
    if (wordChar && !inWord) wordStart = i;
    if (!wordChar && inWord) add(wordStart, i);
    inWord = wordChar;
  }
  if (inWord) add(wordStart, text.size());
}
