// The bytes (Windows-1252) that words are made of: A to Z, a to z, the
// hyphen, and 25 accented letters in both cases. Every other byte
// separates words.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

bool IsWordChar(unsigned char ch);

// Where one word lies in a text.
struct WordSpan {
  std::size_t start;
  std::size_t length;
};

// Replaces `words` with the words of `text`, in order: its maximal runs of
// word characters, each without the hyphens it begins or ends with. A dash
// written against a word ("disse -se", "a casa- e") is punctuation, not part
// of the word; a run of hyphens alone is no word; a hyphen inside a word
// ("guarda-chuva") stays.
void FindWords(std::string_view text, std::vector<WordSpan>& words);
