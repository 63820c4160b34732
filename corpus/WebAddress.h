// Words that are pieces of web or e-mail addresses (www.exemplo.com.br,
// nome@dominio, @ perfil): the scanner cuts addresses at their dots and
// slashes, and the pieces are no words of the language.
#pragma once

#include "corpus/CorpusWord.h"

namespace corpus {

// Whether most occurrences of the word's forms in its contexts stand
// inside an address: against a dot, a slash or an at sign.
bool IsWebAddressPiece(const CorpusWord& data);

}  // namespace corpus
