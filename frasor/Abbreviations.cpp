#include "frasor/Abbreviations.h"

#include <algorithm>
#include <array>

#include "frasor/CharClasses.h"
#include "frasor/Words.h"

namespace frasor {
namespace {

// Common Portuguese abbreviations in lower case (Windows-1252), sorted by
// byte value. Left out on purpose: abbreviations that usually end a sentence
// ("etc", "ltda", "jr") and those that are also ordinary words or units
// ("mar", "dez", "fax", "nos", "min").
// clang-format off
constexpr std::array<std::string_view, 92> SortedAbbreviations = {
    "abr", "adv", "ago", "al", "aprox", "apto", "arq", "art", "arts", "av", "cap", "caps", "cel",
    "cf", "cfr", "cia", "cmdt", "col", "coord", "dep", "dept", "depto", "dr", "dra", "dras",
    "drs", "ed", "eds", "eng", "enga", "est", "ex", "exa", "exma", "exmo", "fev", "fig", "figs",
    "fr", "gen", "gov", "ilma", "ilmo", "inc", "jan", "jul", "jun", "maj", "mons", "m\xE1x",
    "m\xEDn", "n.\xBA", "nov", "n\xBA", "n\xFAm", "obs", "org", "orgs", "out", "pe", "pp", "pres",
    "prof", "profa", "profs", "p\xE1g", "p\xE1gs", "p\xE7", "p\xE7" "a", "ref", "rev", "sec",
    "sen", "set", "sgt", "sr", "sra", "sras", "srs", "srta", "st", "sta", "sto", "s\xE9" "c",
    "s\xE9" "cs", "tab", "tel", "trad", "univ", "vol", "vols", "vs"
};
// clang-format on
static_assert(std::is_sorted(SortedAbbreviations.begin(), SortedAbbreviations.end()));

// "Sp." (Sporting) before the name of a club, as written in the sports pages:
// only in this case, since "SP" stands for the state of São Paulo.
constexpr std::string_view ClubAbbreviation = "Sp";

// The one-letter abbreviations in lower case: c(erca), d(om, dona), f(olha),
// n(úmero), p(ágina), v(eja).
constexpr std::string_view OneLetterAbbreviations = "cdfnpv";

}  // namespace

// "J", "H.R", "J.R.R": capitals, each followed by a stop but the last. The
// company suffix "S.A" often ends a sentence and is not counted.
bool IsInitials(std::string_view word) {
  if (word == "S.A") return false;
  for (std::size_t i = 0; i < word.size(); i += 2) {
    if (!IsUppercaseLetter(static_cast<unsigned char>(word[i]))) return false;
    if (i + 1 < word.size() && word[i + 1] != '.') return false;
  }
  return word.size() % 2 == 1;
}

namespace {

bool IsAbbreviation(std::string_view word) {
  if (word.size() == 1) return OneLetterAbbreviations.find(word[0]) != std::string_view::npos;
  return word == ClubAbbreviation || IsListedInLowerCase<8>(SortedAbbreviations, word);
}

// The word without the punctuation that may follow it ("Em," gives "Em").
std::string_view WithoutTrailingPunctuation(std::string_view word) {
  while (!word.empty() && !IsLetter(static_cast<unsigned char>(word.back()))) {
    word.remove_suffix(1);
  }
  return word;
}

}  // namespace

bool KeepsSentenceOpen(std::string_view word, std::string_view nextWord) {
  if (word.empty() || nextWord.empty()) return false;
  unsigned char next = static_cast<unsigned char>(nextWord[0]);
  // A number, also a telephone number after its area code: "tel. (021) 555".
  if (IsDigit(next) ||
      (next == '(' && nextWord.size() > 1 && IsDigit(static_cast<unsigned char>(nextWord[1])))) {
    return IsAbbreviation(word);
  }
  if (!IsUppercaseLetter(next)) return false;
  if (IsSentenceOpener(WithoutTrailingPunctuation(nextWord))) return false;
  return IsInitials(word) || IsAbbreviation(word);
}

}  // namespace frasor
