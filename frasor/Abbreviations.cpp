#include "frasor/Abbreviations.h"

#include <algorithm>
#include <array>

#include "frasor/CharClasses.h"

namespace frasor {
namespace {

// Common Portuguese abbreviations in lower case (Windows-1252), sorted by
// byte value. Left out on purpose: abbreviations that usually end a sentence
// ("etc", "ltda", "jr") and those that are also ordinary words or units
// ("mar", "dez", "fax", "nos", "min").
// clang-format off
constexpr std::array<std::string_view, 91> SortedAbbreviations = {
    "abr", "adv", "ago", "al", "aprox", "apto", "arq", "art", "arts", "av", "cap", "caps", "cel",
    "cf", "cfr", "cia", "cmdt", "col", "coord", "dep", "dept", "depto", "dr", "dra", "dras",
    "drs", "ed", "eds", "eng", "enga", "est", "ex", "exa", "exma", "exmo", "fev", "fig", "figs",
    "fr", "gen", "gov", "ilma", "ilmo", "inc", "jan", "jul", "jun", "maj", "mons", "m\xE1x",
    "m\xEDn", "n.\xBA", "nov", "n\xBA", "n\xFAm", "obs", "org", "orgs", "out", "pe", "pp", "pres",
    "prof", "profa", "profs", "p\xE1g", "p\xE1gs", "p\xE7", "p\xE7" "a", "ref", "rev", "sec",
    "sen", "set", "sgt", "sr", "sra", "sras", "srs", "srta", "sta", "sto", "s\xE9" "c",
    "s\xE9" "cs", "tab", "tel", "trad", "univ", "vol", "vols", "vs"
};

// Capitalised words that open sentences and are no names: articles,
// pronouns, prepositions, conjunctions, adverbs and common verbs, in lower
// case, sorted. "São" is left out: it starts names of places and streets.
constexpr std::array<std::string_view, 112> SortedSentenceOpeners = {
    "a", "ademais", "agora", "ainda", "algumas", "alguns", "al\xE9m", "antes", "ao", "aos",
    "ap\xF3s", "aquela", "aquele", "aqui", "as", "assim", "at\xE9", "cada", "com", "como",
    "contudo", "depois", "desde", "dois", "duas", "durante", "e", "ela", "elas", "ele", "eles",
    "em", "embora", "enquanto", "entre", "ent\xE3o", "era", "essa", "esse", "esta", "estamos",
    "este", "est\xE1", "est\xE3o", "eu", "foi", "foram", "havia", "hoje", "houve", "h\xE1",
    "isso", "isto", "j\xE1", "l\xE1", "mas", "mesmo", "muito", "na", "nada", "nas", "nem",
    "nessa", "nesse", "nesta", "neste", "no", "nos", "n\xE3o", "n\xF3s", "o", "onde", "os", "ou",
    "outra", "outro", "outros", "para", "pode", "podem", "pois", "por", "porque", "por\xE9m",
    "quando", "que", "quem", "se", "segundo", "sem", "seria", "seu", "sim", "sobre", "sua",
    "s\xF3", "talvez", "tamb\xE9m", "tem", "todavia", "todos", "tr\xEAs", "tudo",
    "t\xEAm", "um", "uma", "vai", "voc\xEA", "v\xE3o", "\xE0", "\xE0s", "\xE9"
};
// clang-format on
static_assert(std::is_sorted(SortedAbbreviations.begin(), SortedAbbreviations.end()));
static_assert(std::is_sorted(SortedSentenceOpeners.begin(), SortedSentenceOpeners.end()));

constexpr std::size_t LongestListedWord = 8;

// The one-letter abbreviations in lower case: p(ágina), n(úmero), v(eja),
// c(erca), f(olha).
constexpr std::string_view OneLetterAbbreviations = "cfnpv";

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

template <std::size_t N>
bool IsListedIn(const std::array<std::string_view, N>& sortedList, std::string_view word) {
  if (word.size() > LongestListedWord) return false;
  char lower[LongestListedWord];
  for (std::size_t i = 0; i < word.size(); ++i) {
    lower[i] = static_cast<char>(ToLower(static_cast<unsigned char>(word[i])));
  }
  return std::binary_search(sortedList.begin(), sortedList.end(),
                            std::string_view(lower, word.size()));
}

bool IsAbbreviation(std::string_view word) {
  if (word.size() == 1) return OneLetterAbbreviations.find(word[0]) != std::string_view::npos;
  return IsListedIn(SortedAbbreviations, word);
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
  if (IsDigit(next)) return IsAbbreviation(word);
  if (!IsUppercaseLetter(next)) return false;
  if (IsListedIn(SortedSentenceOpeners, WithoutTrailingPunctuation(nextWord))) return false;
  return IsInitials(word) || IsAbbreviation(word);
}

}  // namespace frasor
