// candidatos.tsv: the rows of a corpus run as a table for spreadsheets and
// scripts.
#pragma once

#include <string>

#include "corpus/CandidateRow.h"

namespace corpus {

// The columns, in order: palavra, classe, frequencia, documentos,
// primeiro_documento, formas (the other forms, most frequent first,
// "|"-separated), contexto (the first sentence kept), then grafia_sugerida,
// primeira_data, ultima_data (yyyy-mm-dd, empty when undated), motivo,
// decisao, nota. UTF-8; a tab or line break within a field becomes a space.
// Replaces `path` only once it is whole. Throws platform::FileError.
void WriteCandidatesTable(const std::string& path, const CorpusResult& result);

// "2024-05-17" for 20240517, empty for 0.
std::string DateText(Date date);

}  // namespace corpus
