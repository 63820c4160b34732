#include "corpus/RegularDerivation.h"

#include <algorithm>
#include <array>

#include "corpus/KnownWords.h"

namespace corpus {
namespace {

struct SuffixRule {
  std::string_view suffix;
  std::string_view kind;
  // What the stem takes back to be the base, comma-separated: the word's
  // own vowel, the masculine or feminine ending, or nothing (cafe|zinho:
  // café).
  std::string_view endings;
};

// Longer suffixes first, so that -zinho is tried before -inho.
constexpr std::string_view Diminutive = "diminutivo";
constexpr std::string_view Augmentative = "aumentativo";
constexpr std::string_view Superlative = "superlativo";
constexpr std::string_view Adverb = "adv\xE9rbio em -mente";
constexpr std::array<SuffixRule, 15> Rules = {{
    {"zinhos", Diminutive, ""},
    {"zinhas", Diminutive, ""},
    {"zinho", Diminutive, ""},
    {"zinha", Diminutive, ""},
    {"inhos", Diminutive, "os,es,s"},
    {"inhas", Diminutive, "as,es,s"},
    {"inho", Diminutive, "o,e,"},
    {"inha", Diminutive, "a,e,"},
    {"z\xE3o", Augmentative, ""},  // zão
    {"zona", Augmentative, ""},
    {"\xEDssimos", Superlative, "os,es"},  // íssimos
    {"\xEDssimas", Superlative, "as,es"},
    {"\xEDssimo", Superlative, "o,e,"},
    {"\xEDssima", Superlative, "a,e,"},
    {"mente", Adverb, ""},  // of the feminine: rápida|mente, feliz|mente
}};

// The stem as the base writes it: pouqu|inho is pouc|o, amigu|inho amig|o,
// amabil|íssimo amáv|el.
std::array<std::string, 3> BaseStems(std::string_view stem) {
  std::string plain(stem), spelt;
  auto endsWith = [&](std::string_view end) { return stem.ends_with(end); };
  if (endsWith("qu")) spelt = std::string(stem.substr(0, stem.size() - 2)) + "c";
  if (endsWith("gu")) spelt = std::string(stem.substr(0, stem.size() - 2)) + "g";
  if (endsWith("c")) spelt = std::string(stem.substr(0, stem.size() - 1)) + "\xE7";  // ç
  std::string bil;
  if (endsWith("bil")) bil = std::string(stem.substr(0, stem.size() - 3)) + "vel";
  return {plain, spelt, bil};
}

}  // namespace

Derivation RegularDerivationOf(std::string_view lower) {
  constexpr std::size_t MinStem = 2;
  for (const SuffixRule& rule : Rules) {
    if (!lower.ends_with(rule.suffix) || lower.size() < rule.suffix.size() + MinStem) continue;
    std::string_view stem = lower.substr(0, lower.size() - rule.suffix.size());
    for (const std::string& baseStem : BaseStems(stem)) {
      if (baseStem.empty()) continue;
      for (std::size_t start = 0; start <= rule.endings.size();) {
        std::size_t end = std::min(rule.endings.find(',', start), rule.endings.size());
        std::string ending(rule.endings.substr(start, end - start));
        std::string base = KnownByAccents(baseStem + ending, 1);
        if (!base.empty()) return {base, std::string(rule.kind)};
        start = end + 1;
      }
    }
  }
  return {};
}

}  // namespace corpus
