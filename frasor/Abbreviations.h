// Words after which a full stop does not end a sentence.
#pragma once

#include <string_view>

namespace frasor {

// True when a full stop right after `word` (Windows-1252, without the stop)
// keeps the sentence open although a blank and `nextWord`, which starts with
// a capital or a digit, follow. Titles and abbreviations of Portuguese ("Sr",
// "dra", "pág", "nº", "St", "d") do so before names and numbers, also a
// number in brackets ("tel. (021) 555-0199"), single capitals that stand
// for names ("S", "D", "J") and initials ("H.R") before names; none does
// before a word that opens sentences and is no name ("O", "Em", "Já").
bool KeepsSentenceOpen(std::string_view word, std::string_view nextWord);

// "J", "H.R", "J.R.R": capitals, each followed by a stop but the last
// (without the stop after it). The company suffix "S.A" is not counted.
bool IsInitials(std::string_view word);

}  // namespace frasor
