#include "corpus/ForeignSpelling.h"

#include <array>

#include "corpus/LetterCase.h"

namespace corpus {
namespace {

bool IsLetter(char letter) { return letter != '-'; }

bool IsConsonant(char letter) {
  char plain = PlainLetter(letter);
  return IsLetter(letter) && std::string_view("aeiouy").find(plain) == std::string_view::npos;
}

// The accented letters of the scanner's words that Portuguese never writes
// (è ì ò ù ä ë ï ö î û ý ÿ); ü and à it does, or did.
bool IsForeignAccent(char letter) {
  return std::string_view("\xE8\xEC\xF2\xF9\xE4\xEB\xEF\xF6\xEE\xFB\xFD\xFF").find(letter) !=
         std::string_view::npos;
}

std::string LastPartForeignEnding(std::string_view part) {
  // The plural's s says nothing of the word's own ending.
  if (part.size() > 2 && part.back() == 's' && !IsConsonant(part[part.size() - 2])) return {};
  if (part.size() > 2 && part.back() == 's') part.remove_suffix(1);
  if (part.size() < 2) return {};
  char last = part.back();
  if (IsConsonant(last) && std::string_view("srlzmnx").find(last) == std::string_view::npos) {
    return std::string("termina em ") + last;
  }
  if (IsConsonant(last) && IsConsonant(part[part.size() - 2]) && !part.ends_with("ns") &&
      !part.ends_with("rs") && !part.ends_with("ls")) {
    return "termina em " + std::string(part.substr(part.size() - 2));
  }
  return {};
}

}  // namespace

std::string ForeignSpellingIn(std::string_view lower) {
  for (char letter : lower) {
    if (letter == 'k' || letter == 'w' || letter == 'y') return std::string("letra ") + letter;
    if (IsForeignAccent(letter)) return std::string("letra ") + letter;
  }
  for (std::string_view pair : {"sh", "th", "ph", "ck"}) {
    if (lower.find(pair) != std::string_view::npos) return "grupo " + std::string(pair);
  }
  for (std::size_t i = 0; i + 1 < lower.size(); ++i) {
    char letter = lower[i];
    if (letter == lower[i + 1] && IsConsonant(letter) && letter != 'r' && letter != 's' &&
        letter != 'c') {
      return "consoante dobrada " + std::string(2, letter);
    }
  }
  if (lower.size() > 2 && lower[0] == 's' && IsConsonant(lower[1]))
    return "s e consoante no in\xED"
           "cio";
  std::size_t lastHyphen = lower.rfind('-');
  return LastPartForeignEnding(lastHyphen == std::string_view::npos ? lower
                                                                    : lower.substr(lastHyphen + 1));
}

}  // namespace corpus
