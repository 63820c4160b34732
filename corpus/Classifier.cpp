#include "corpus/Classifier.h"

#include "corpus/ForeignSpelling.h"
#include "corpus/KnownWords.h"
#include "corpus/LetterCase.h"
#include "corpus/RegularDerivation.h"
#include "corpus/WebAddress.h"

namespace corpus {
namespace {

constexpr const char* FragmentReason =
    "h\xED"
    "fen de pontua\xE7\xE3o";  // hífen de pontuação

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

// The order of the tests, and why. First what the form and its capitals
// tell, whatever its letters: punctuation made a fragmento; a piece of a
// web address is no word (outra); all capitals make a sigla, before the
// name test since acronyms are capitalised inside sentences too; then the
// capitals inside sentences make a nome_proprio. Then the word in lower
// case against the known words, the surest tests first and a noise class
// only where its rule is exact: a word of the foreign lists (a whole
// attested word, and many are one accent from some entry of a large
// dictionary: arcade, árcade); an accent away from a known word (grafia: a
// new word seldom differs from a known one by accents alone); a verb with
// its hyphenated pronoun (standard: outra); a regular suffix on a known
// base (derivacao_regular); a formation of known parts, before the slips
// so that a coinage of known parts is never taken for one; the slips of
// long words (grafia); two known words run together (formacao, after the
// slips: the dictionary's many short entries cut misspellings in two); a
// foreign spelling; else outra.
Classification Classifier::Classify(const std::string& word, const CorpusWord& data) const {
  if (word.empty() || IsFragment(word)) return {WordClass::Fragmento, {}, FragmentReason};
  if (IsWebAddressPiece(data)) return {WordClass::Outra, {}, "parte de endere\xE7o"};
  std::string lower = LowerCase(word);
  if (IsAcronym(word)) {
    // A known word in capitals (a headline's NAÇÃO) is no acronym.
    if (IsKnownWord(lower)) return {WordClass::Outra, {}, "palavra conhecida em mai\xFAsculas"};
    return {WordClass::Sigla, {}, "mai\xFAsculas"};
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
