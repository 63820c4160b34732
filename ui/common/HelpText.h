// The help window's caption and text, the same in every front end.
#pragma once

#include <string_view>

inline constexpr std::string_view AjudaCaption = "Ajuda";

// 64 lines of Windows-1252 text, each ended by a line feed, generated at
// build time by ui/make_help_text.py from ui/ajuda.txt.in and the main
// dictionary's list of sources.
std::string_view AjudaText();
