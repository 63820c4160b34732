#include "corpus/Classifier.h"

#include <algorithm>

#include "corpus/ForeignSpelling.h"
#include "corpus/KnownWords.h"
#include "corpus/LetterCase.h"
#include "corpus/RegularDerivation.h"
#include "corpus/WebAddress.h"

namespace corpus {
namespace {

// Made by punctuation: a hyphen at either end (-se, casa-), a run of
// hyphens within (bem--feito), or hyphens alone.
bool IsFragment(std::string_view word) {
  return word.front() == '-' || word.back() == '-' || word.find("--") != std::string_view::npos;
}

// All capitals (two letters at least), but for a plural's final s (ONGs).
bool IsAcronym(std::string_view word) {
  if (word.size() > 2 && word.back() == 's') word.remove_suffix(1);
  std::size_t letters = 0;
  for (char byte : word) {
    if (byte == '-') continue;
    if (!IsUpperCaseLetter(byte)) return false;
    ++letters;
  }
  return letters >= 2;
}

// Written with a capital in most of its occurrences inside sentences.
bool IsProperName(const CorpusWord& data) {
  return data.inside > 0 && 2 * data.capitalisedInside > data.inside;
}

}  // namespace

Classifier::Classifier(const std::string& listsFolder)
    : foreignWords_(listsFolder + "/estrangeiras.txt"),
      formation_(listsFolder),
      misspelling_(listsFolder + "/confusoes.txt", &foreignWords_) {}

// The order: first what the form alone tells (punctuation, capitals), then
// the corpus's use of capitals, then the tests that need the known words,
// the surest first. Of those, the noise classes come only where their rule
// is exact (an accent away from a known word; a regular suffix on a known
// base); a foreign list's word, a formation of known parts, and only then
// the looser slips (doubled or swapped letters, confused spellings) and
// the foreign look, so that a coinage of known parts is never taken for a
// slip.
Classification Classifier::Classify(const std::string& word, const CorpusWord& data) const {
  if (word.empty() || IsFragment(word))
    return {WordClass::Fragmento,
            {},
            "h\xED"
            "fen de pontua\xE7\xE3o"};
  if (IsWebAddressPiece(data)) return {WordClass::Outra, {}, "parte de endere\xE7o"};
  std::string lower = LowerCase(word);
  if (IsAcronym(word)) {
    // A known word in capitals (a headline's NAÇÃO) is no acronym.
    std::string known = KnownByAccents(lower, 0);
    if (known.empty()) return {WordClass::Sigla, {}, "mai\xFAsculas"};
    return {WordClass::Outra, {}, "palavra conhecida em mai\xFAsculas"};
  }
  if (IsProperName(data)) return {WordClass::NomeProprio, {}, "mai\xFAscula dentro da frase"};
  return ClassifyLowerCase(word, lower, data);
}

Classification Classifier::ClassifyLowerCase(const std::string& word, const std::string& lower,
                                             const CorpusWord& data) const {
  // The table folds A to Z only: a known word under an accented capital
  // (Água at a sentence's start) is unknown as written.
  if (IsKnownWord(lower)) return {WordClass::Outra, {}, "palavra conhecida com mai\xFAscula"};
  if (foreignWords_.Contains(lower))
    return {WordClass::Estrangeirismo, {}, "lista de palavras estrangeiras"};
  if (std::string known = KnownByAccents(lower, 2); !known.empty()) {
    return {WordClass::Grafia, known, "acento"};
  }
  if (formation_.IsVerbWithPronoun(lower)) return {WordClass::Outra, {}, "verbo com pronome"};
  if (Derivation derivation = RegularDerivationOf(lower); !derivation.base.empty()) {
    return {WordClass::DerivacaoRegular, {}, derivation.kind + " de " + derivation.base};
  }
  if (std::string parts = formation_.PartsOf(word); !parts.empty()) {
    return {WordClass::Formacao, {}, parts};
  }
  // A name seen only at sentence starts is likelier than a slip or two
  // words run together.
  bool onlyCapitalised = IsUpperCaseLetter(word.front()) && data.inside == 0;
  bool looksFormed = formation_.HasProductiveSuffix(lower);
  if (std::string known = onlyCapitalised ? ""
                          : looksFormed   ? misspelling_.UndoubledKnownWord(lower)
                                          : misspelling_.KnownWordFor(lower);
      !known.empty()) {
    return {WordClass::Grafia, known, "troca de letras"};
  }
  if (std::string parts = onlyCapitalised ? "" : WordFormation::ClosedCompoundParts(lower);
      !parts.empty()) {
    return {WordClass::Formacao, {}, parts};
  }
  if (std::string foreign = ForeignSpellingIn(lower); !foreign.empty()) {
    return {WordClass::Estrangeirismo, {}, foreign};
  }
  return {};
}

}  // namespace corpus
