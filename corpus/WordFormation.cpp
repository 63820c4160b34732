#include "corpus/WordFormation.h"

#include <algorithm>

#include "corpus/KnownWords.h"
#include "corpus/LetterCase.h"

namespace corpus {
namespace {

// Shorter stems and bases match by chance too often.
constexpr std::size_t MinBase = 3;

std::vector<std::string_view> SplitAtHyphens(std::string_view word) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t hyphen; (hyphen = word.find('-', start)) != std::string_view::npos;
       start = hyphen + 1) {
    parts.push_back(word.substr(start, hyphen - start));
  }
  parts.push_back(word.substr(start));
  return parts;
}

// A verb form as it stands before a hyphenated pronoun: whole (deu-se), or
// without its final r (fazê-lo, amá-la, parti-lo, pô-lo) or s (fizemo-lo).
bool IsVerbBeforePronoun(std::string_view part) {
  if (part.empty()) return false;
  std::string word(part);
  if (IsKnownWord(word) || IsKnownWord(word + "s") || IsKnownWord(word + "r")) return true;
  word.back() = PlainLetter(word.back());
  return IsKnownWord(word + "r");
}

}  // namespace

WordFormation::WordFormation(const std::string& listsFolder)
    : pronouns_(listsFolder + "/cliticos.txt") {
  for (auto& fields : ReadListEntries(listsFolder + "/prefixos.txt")) {
    std::string prefix = std::move(fields.front());
    if (prefix.ends_with('-')) {
      prefix.pop_back();
      hyphenPrefixes_.push_back(std::move(prefix));
    } else {
      prefixes_.push_back(std::move(prefix));
    }
  }
  for (auto& fields : ReadListEntries(listsFolder + "/sufixos.txt")) {
    Suffix suffix{std::move(fields.front()), {}};
    for (std::size_t i = 1; i < fields.size(); ++i)
      suffix.baseEndings.push_back(fields[i] == "_" ? "" : fields[i]);
    if (suffix.baseEndings.empty()) suffix.baseEndings.emplace_back();
    suffixes_.push_back(std::move(suffix));
  }
  // Longer affixes first: "contra" before "co".
  auto longerFirst = [](const std::string& a, const std::string& b) { return a.size() > b.size(); };
  std::stable_sort(prefixes_.begin(), prefixes_.end(), longerFirst);
  std::stable_sort(suffixes_.begin(), suffixes_.end(), [](const Suffix& a, const Suffix& b) {
    return a.suffix.size() > b.suffix.size();
  });
}

std::string WordFormation::PartsOf(std::string_view word) const {
  if (word.find('-') != std::string_view::npos) return CompoundParts(word);
  std::string lower = LowerCase(word);
  std::string parts = PrefixParts(lower, 1);
  return parts.empty() ? SuffixParts(lower) : parts;
}

std::string WordFormation::ClosedCompoundParts(const std::string& lower) {
  // Parts of four letters or more: shorter known words (mes, par) would cut
  // most words in two by chance.
  constexpr std::size_t MinPart = 4;
  for (std::size_t split = MinPart; split + MinPart <= lower.size(); ++split) {
    std::string first = lower.substr(0, split), second = lower.substr(split);
    if (IsKnownWord(first) && IsKnownWord(second)) return first + " + " + second;
  }
  return {};
}

bool WordFormation::HasProductiveSuffix(const std::string& lower) const {
  std::string singular = lower.ends_with('s') ? lower.substr(0, lower.size() - 1) : lower;
  // Short suffixes (-ada, -ar) end too many words of every kind.
  constexpr std::size_t MinSuffix = 4;
  return std::any_of(suffixes_.begin(), suffixes_.end(), [&](const Suffix& suffix) {
    return suffix.suffix.size() >= MinSuffix && singular.size() >= suffix.suffix.size() + MinBase &&
           singular.ends_with(suffix.suffix);
  });
}

bool WordFormation::IsVerbWithPronoun(std::string_view lower) const {
  std::vector<std::string_view> parts = SplitAtHyphens(lower);
  if (parts.size() < 2 || !IsVerbBeforePronoun(parts.front())) return false;
  // dir-se-ia: the ending of the future or conditional after the pronoun.
  std::size_t pronounsEnd = parts.size();
  if (parts.size() == 3 && !pronouns_.Contains(parts.back())) --pronounsEnd;
  for (std::size_t i = 1; i < pronounsEnd; ++i) {
    if (!pronouns_.Contains(parts[i])) return false;
  }
  return pronounsEnd > 1;
}

std::string WordFormation::PrefixParts(const std::string& lower, int depth) const {
  for (const std::string& prefix : prefixes_) {
    if (!lower.starts_with(prefix) || lower.size() < prefix.size() + MinBase) continue;
    std::string base = lower.substr(prefix.size());
    // anti|ssocial: after a prefix ending in a vowel, r and s are doubled.
    if (IsVowel(prefix.back()) && (base.starts_with("rr") || base.starts_with("ss")))
      base.erase(0, 1);
    if (IsKnownWord(base)) return prefix + " + " + base;
    std::string inner = depth > 0 ? PrefixParts(base, depth - 1) : "";
    if (inner.empty()) inner = SuffixParts(base);
    if (!inner.empty()) return prefix + " + (" + inner + ")";
  }
  return {};
}

std::string WordFormation::SuffixParts(const std::string& lower) const {
  // The plural of a formation is one too (bolsonaristas).
  std::string singular = lower.ends_with('s') ? lower.substr(0, lower.size() - 1) : std::string();
  for (const Suffix& suffix : suffixes_) {
    for (const std::string& form : {lower, singular}) {
      if (form.empty() || !form.ends_with(suffix.suffix) ||
          form.size() < suffix.suffix.size() + MinBase)
        continue;
      std::string stem = form.substr(0, form.size() - suffix.suffix.size());
      for (const std::string& ending : suffix.baseEndings) {
        std::string base = KnownByAccents(stem + ending, 1);
        if (!base.empty()) return base + " + -" + suffix.suffix;
      }
    }
  }
  return {};
}

std::string WordFormation::CompoundParts(std::string_view word) const {
  std::vector<std::string_view> parts = SplitAtHyphens(word);
  std::string described;
  bool afterPrefix = false;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    std::string lower = LowerCase(parts[i]);
    bool prefix = i + 1 < parts.size() &&
                  (std::find(hyphenPrefixes_.begin(), hyphenPrefixes_.end(), lower) !=
                       hyphenPrefixes_.end() ||
                   std::find(prefixes_.begin(), prefixes_.end(), lower) != prefixes_.end());
    // A name after a prefix (anti-Trump); after another word it is part of
    // a name (al-Khawaga).
    bool name = afterPrefix && !parts[i].empty() && IsUpperCaseLetter(parts[i].front());
    if (lower.empty() || !(prefix || name || IsKnownWord(lower))) return {};
    described += (i == 0 ? "" : " + ") + lower;
    afterPrefix = prefix;
  }
  return described;
}

}  // namespace corpus
