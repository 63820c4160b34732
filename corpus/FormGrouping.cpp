#include "corpus/FormGrouping.h"

#include <array>
#include <utility>

#include "corpus/LetterCase.h"

namespace corpus {
namespace {

// Replaces the ending `from` of `key` by `to` when the key is long enough
// that the ending cannot be most of the word.
bool ReplaceEnding(std::string& key, std::string_view from, std::string_view to,
                   std::size_t minLength) {
  if (key.size() < minLength || !key.ends_with(from)) return false;
  key.replace(key.size() - from.size(), from.size(), to);
  return true;
}

}  // namespace

// The rules, each one that no singular or masculine breaks among words a
// dictionary lacks (prefer a word split over two rows to two words merged):
// plural -ões, -ães, -ãos of -ão; -ais, -éis, -óis of -al, -el, -ol; -ores
// of -or; an s after an unaccented a, e or o (memes, blogueiras); then the
// feminine -eira of -eiro and -dora, -tora, -sora of -dor, -tor, -sor. Not
// -ns (Martins), -is, -es after other consonants, nor -a against -o in
// general (porta, porto).
std::string GroupKey(std::string_view form) {
  std::string key = LowerCase(form);
  constexpr std::size_t MinLength = 5;
  bool plural = ReplaceEnding(key,
                              "\xF5"
                              "es",
                              "\xE3o", MinLength) ||  // ões
                ReplaceEnding(key,
                              "\xE3"
                              "es",
                              "\xE3o", MinLength) ||                 // ães
                ReplaceEnding(key, "\xE3os", "\xE3o", MinLength) ||  // ãos
                ReplaceEnding(key, "ais", "al", MinLength) ||
                ReplaceEnding(key, "\xE9is", "el", MinLength) ||  // éis
                ReplaceEnding(key, "\xF3is", "ol", MinLength) ||  // óis
                ReplaceEnding(key, "ores", "or", MinLength + 1);
  if (!plural && key.size() >= MinLength && key.ends_with('s')) {
    char vowel = key[key.size() - 2];
    if (vowel == 'a' || vowel == 'e' || vowel == 'o') key.pop_back();
  }
  constexpr std::array<std::pair<std::string_view, std::string_view>, 4> Feminines = {
      {{"eira", "eiro"}, {"dora", "dor"}, {"tora", "tor"}, {"sora", "sor"}}};
  for (const auto& [feminine, masculine] : Feminines) {
    if (ReplaceEnding(key, feminine, masculine, MinLength + 1)) break;
  }
  return key;
}

}  // namespace corpus
