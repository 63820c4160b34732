// The texts of the status line, in Windows-1252.
#pragma once

#include <string_view>

namespace status_text {

inline constexpr std::string_view Idle =
    "Status do software: aguardando pr\xF3ximo comando do usu\xE1rio";
inline constexpr std::string_view LoadingDictionaries =
    "Status do software: carregando dicion\xE1rios...";
inline constexpr std::string_view Segmenting = "Status do software: segmentando texto...";
inline constexpr std::string_view Scanning =
    "Status do software: buscando candidatos a neologismos...";
inline constexpr std::string_view WritingReports =
    "Status do software: gerando arquivos com candidatos a neologismos...";
inline constexpr std::string_view Storing =
    "Status do software: salvando termos no dicion\xE1rio de exclus\xE3o...";
inline constexpr std::string_view Finishing = "Status do software: finalizando processamento...";
inline constexpr std::string_view ShuttingDown = "Status do software: encerrando software...";

}  // namespace status_text
