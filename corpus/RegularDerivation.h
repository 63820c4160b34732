// Diminutives, augmentatives, superlatives and -mente adverbs of known
// words: derivations so regular that observatories of new words leave them
// out by rule. Only suffixes that make nothing else are taken: -inho,
// -zinho, -zão, -íssimo, -mente. The plain augmentative -ão is not, since
// it also makes new nouns of their own (apagão).
#pragma once

#include <string>
#include <string_view>

namespace corpus {

struct Derivation {
  std::string base;  // the known word
  std::string kind;  // "diminutivo", "aumentativo", "superlativo", "advérbio em -mente"
};

// The known word `lower` (lower case) is such a derivation of, if any:
// `base` is empty when none.
Derivation RegularDerivationOf(std::string_view lower);

}  // namespace corpus
