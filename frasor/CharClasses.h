// Classes of Windows-1252 bytes that the sentence and line rules look at.
#pragma once

namespace frasor {

bool IsUppercaseLetter(unsigned char ch);
bool IsLowercaseLetter(unsigned char ch);
inline bool IsLetter(unsigned char ch) { return IsUppercaseLetter(ch) || IsLowercaseLetter(ch); }
inline bool IsDigit(unsigned char ch) { return ch >= '0' && ch <= '9'; }

// Space, TAB, no-break space and the other blanks inside a line.
bool IsBlank(unsigned char ch);

// . ! ? and the ellipsis character.
bool IsSentenceMark(unsigned char ch);

// Quotes and brackets that may close a sentence after its final mark.
bool IsCloser(unsigned char ch);

// Lower case of a letter in either case; other bytes unchanged.
unsigned char ToLower(unsigned char ch);

}  // namespace frasor
