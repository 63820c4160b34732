// What the windows say, as a user reads it.
#pragma once

#include <string>

namespace driver {

inline const std::wstring Title = L"Lexavia";
inline const std::wstring DetectCaption = L"Detecter termos candidatos";
inline const std::wstring WaitCaption = L"Aguarde...";
inline const std::wstring IdleStatus =
    L"Status do software: aguardando pr\u00f3ximo comando do usu\u00e1rio";
inline const std::wstring LoadingStatus = L"Status do software: carregando dicion\u00e1rios...";
inline const std::wstring SegmentingStatus = L"Status do software: segmentando texto...";
inline const std::wstring NoFileMessage =
    L"Erro: especifique o arquivo em que quer buscar termos candidatos a neologismos";
inline const std::wstring NoOptionMessage =
    L"Erro: \u00e9 necess\u00e1rio que se marque pelo menos um item para cada uma das "
    L"op\u00e7\u00f5es dispon\u00edveis";

inline std::wstring CompletionFor(const std::wstring& input) {
  return L"Candidatos a neologismos detectados e armazenados nos arquivos " + input +
         L"_candidatos-neologismos.txt e " + input + L"_candidatos-neologismos.html";
}

}  // namespace driver
