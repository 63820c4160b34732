// Case and accents of Windows-1252 letters, as the classes and the grouping
// of forms need them.
#pragma once

#include <string>
#include <string_view>

namespace corpus {

// Windows-1252 lower case of every letter (accented ones too).
char LowerCase(char byte);
std::string LowerCase(std::string_view text);

bool IsUpperCaseLetter(char byte);
bool IsLowerCaseLetter(char byte);

// The letter without its accent or cedilla (á -> a, ç -> c); other bytes
// unchanged. Lower case only.
char PlainLetter(char byte);

// a, e, i, o, u, with or without an accent. Lower case only.
bool IsVowel(char byte);

// The accented lower-case letters Portuguese writes for a plain one (a ->
// á â ã à), empty for a letter it never accents. The trema (ü) counts:
// older texts write it.
std::string_view PortugueseAccents(char plain);

}  // namespace corpus
