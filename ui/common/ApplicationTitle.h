// The application title, the caption of every message box and message
// dialog, taken from the running executable's file name.
#pragma once

#include <string>
#include <string_view>

// The file name of `executablePath` without its folder (after the last "/"
// or "\"), cut at its first dot, its first character unchanged and every
// later letter in lower case: "C:\Programas\LEXAVIA.EXE" gives "Lexavia".
// Lower case is that of the letters Windows-1252 holds, the system's text.
std::u16string ApplicationTitleFor(std::u16string_view executablePath);
