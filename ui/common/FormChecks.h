// The checks of the main window's entries before a run, in the order the
// user is told about them. Only the first that fails is reported.
#pragma once

#include <optional>
#include <string_view>

// What the main window holds when the detect button is clicked.
struct RunEntries {
  bool fileNameEmpty;
  bool storeNo;    // "Não" under the first question (CheckBox1)
  bool storeYes;   // "Sim" under the first question (CheckBox2)
  bool ignoreNo;   // "Não" under the second question (CheckBox3)
  bool ignoreYes;  // "Sim" under the second question (CheckBox4)
};

inline constexpr std::string_view NoFileMessage =
    "Erro: especifique o arquivo em que quer buscar termos candidatos a neologismos";
inline constexpr std::string_view NoOptionMessage =
    "Erro: \xE9 necess\xE1rio que se marque pelo menos um item para cada uma das op\xE7\xF5"
    "es dispon\xEDveis";

// The message (Windows-1252) of the first failing check: an empty file name
// first, then each question with neither answer checked. None when the run
// may start; a name of blanks only passes.
std::optional<std::string_view> FirstFailedCheck(const RunEntries& entries);
