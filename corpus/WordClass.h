// The classes a candidate word of a corpus is given, as the `classe` column
// and the page name them.
#pragma once

#include <string>
#include <string_view>

namespace corpus {

enum class WordClass {
  NomeProprio,       // capitalised across most occurrences, not only at sentence starts
  Sigla,             // all capitals, or capitals with digits
  Estrangeirismo,    // a word of another language, or spelt as Portuguese is not
  Formacao,          // a new formation from known parts
  Grafia,            // a probable misspelling of a known word
  DerivacaoRegular,  // diminutive, augmentative, superlative or -mente adverb of a known word
  Fragmento,         // made by punctuation
  Outra,
};

// "nome_proprio", "sigla", ...: the column's value.
std::string_view ClassName(WordClass wordClass);

struct Classification {
  WordClass wordClass = WordClass::Outra;
  // For Grafia, the known word it probably misspells (Windows-1252).
  std::string suggestion;
  // A few words on why (the prefix and base, the foreign list...), shown
  // beside the class; may be empty.
  std::string reason;
};

}  // namespace corpus
