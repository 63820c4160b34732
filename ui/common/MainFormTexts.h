// The main window's captions, in Windows-1252, the same in every front end.
#pragma once

#include <string_view>

namespace main_form_text {

inline constexpr std::string_view Caption = "Lexavia";
inline constexpr std::string_view Label1 =
    "Especifique o arquivo em que quer buscar termos candidatos a neologismos";
inline constexpr std::string_view Button1 = "Abrir";
inline constexpr std::string_view Label2 =
    "Deseja armazenar os candidatos no dicion\xE1rio de exclus\xE3o (para que eles n\xE3o sejam "
    "detectados novamente no futuro)?";
inline constexpr std::string_view Label3 =
    "Deseja que candidatos detectados no passado (e armazenados) sejam ignorados?";
inline constexpr std::string_view No = "N\xE3o";
inline constexpr std::string_view Yes = "Sim";
inline constexpr std::string_view DetectCaption = "Detecter termos candidatos";
inline constexpr std::string_view WaitCaption = "Aguarde...";
inline constexpr std::string_view Label4 = "Ajuda";

}  // namespace main_form_text
