// Classes of Windows-1252 bytes that the sentence and line rules look at.
// They are tested for every byte of the text, so they are inline.
#pragma once

#include <array>
#include <string_view>

namespace frasor {

namespace char_classes {

enum Flag : unsigned char {
  Uppercase = 1,
  Lowercase = 2,
  Blank = 4,
  SentenceMark = 8,
  Closer = 16,
};

// Letters outside A-Z, a-z and the Latin-1 range: Š Œ Ž Ÿ and š œ ž ƒ.
inline constexpr std::string_view ExtraUppercase = "\x8A\x8C\x8E\x9F";
inline constexpr std::string_view ExtraLowercase = "\x9A\x9C\x9E\x83";
// " ' ) ] } ’ ” »
inline constexpr std::string_view Closers = "\"')]}\x92\x94\xBB";
inline constexpr unsigned char Ellipsis = 0x85;

constexpr std::array<unsigned char, 256> MakeTable() {
  std::array<unsigned char, 256> table{};
  for (int c = 'A'; c <= 'Z'; ++c) table[c] |= Uppercase;
  for (int c = 'a'; c <= 'z'; ++c) table[c] |= Lowercase;
  // À..Þ and ß..ÿ, without × and ÷.
  for (int c = 0xC0; c <= 0xDE; ++c) table[c] |= Uppercase;
  for (int c = 0xDF; c <= 0xFF; ++c) table[c] |= Lowercase;
  table[0xD7] = 0;
  table[0xF7] = 0;
  for (char c : ExtraUppercase) table[static_cast<unsigned char>(c)] |= Uppercase;
  for (char c : ExtraLowercase) table[static_cast<unsigned char>(c)] |= Lowercase;
  for (int c : {int{' '}, int{'\t'}, int{'\v'}, int{'\f'}, 0xA0}) table[c] |= Blank;
  for (int c : {int{'.'}, int{'!'}, int{'?'}, int{Ellipsis}}) table[c] |= SentenceMark;
  for (char c : Closers) table[static_cast<unsigned char>(c)] |= Closer;
  return table;
}

inline constexpr std::array<unsigned char, 256> Table = MakeTable();

}  // namespace char_classes

inline bool IsUppercaseLetter(unsigned char ch) {
  return char_classes::Table[ch] & char_classes::Uppercase;
}
inline bool IsLowercaseLetter(unsigned char ch) {
  return char_classes::Table[ch] & char_classes::Lowercase;
}
inline bool IsLetter(unsigned char ch) { return IsUppercaseLetter(ch) || IsLowercaseLetter(ch); }
inline bool IsDigit(unsigned char ch) { return ch >= '0' && ch <= '9'; }

// Space, TAB, no-break space and the other blanks inside a line.
inline bool IsBlank(unsigned char ch) { return char_classes::Table[ch] & char_classes::Blank; }

// . ! ? and the ellipsis character.
inline bool IsSentenceMark(unsigned char ch) {
  return char_classes::Table[ch] & char_classes::SentenceMark;
}

// Quotes and brackets that may close a sentence after its final mark.
inline bool IsCloser(unsigned char ch) { return char_classes::Table[ch] & char_classes::Closer; }

// ( [ { " ' ‘ “ « ¡ ¿: what may stand before the first letter of a word.
inline bool IsOpener(unsigned char ch) {
  return ch == '(' || ch == '[' || ch == '{' || ch == '"' || ch == '\'' || ch == 0x91 ||
         ch == 0x93 || ch == 0xAB || ch == 0xA1 || ch == 0xBF;
}

// Lower case of a letter in either case; other bytes unchanged.
unsigned char ToLower(unsigned char ch);

}  // namespace frasor
