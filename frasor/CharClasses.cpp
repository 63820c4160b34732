#include "frasor/CharClasses.h"

#include <array>
#include <string_view>

namespace frasor {
namespace {

enum CharFlag : unsigned char {
  Uppercase = 1,
  Lowercase = 2,
  Blank = 4,
  SentenceMark = 8,
  Closer = 16,
};

constexpr unsigned char Ellipsis = 0x85;

// Letters outside A-Z, a-z and the Latin-1 range: Š Œ Ž Ÿ and š œ ž ƒ.
constexpr std::string_view ExtraUppercase = "\x8A\x8C\x8E\x9F";
constexpr std::string_view ExtraLowercase = "\x9A\x9C\x9E\x83";
// " ' ) ] } ’ ” »
constexpr std::string_view Closers = "\"')]}\x92\x94\xBB";

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
  table[' '] |= Blank;
  table['\t'] |= Blank;
  table['\v'] |= Blank;
  table['\f'] |= Blank;
  table[0xA0] |= Blank;
  table['.'] |= SentenceMark;
  table['!'] |= SentenceMark;
  table['?'] |= SentenceMark;
  table[Ellipsis] |= SentenceMark;
  for (char c : Closers) table[static_cast<unsigned char>(c)] |= Closer;
  return table;
}

constexpr std::array<unsigned char, 256> Table = MakeTable();

}  // namespace

bool IsUppercaseLetter(unsigned char ch) { return Table[ch] & Uppercase; }
bool IsLowercaseLetter(unsigned char ch) { return Table[ch] & Lowercase; }
bool IsBlank(unsigned char ch) { return Table[ch] & Blank; }
bool IsSentenceMark(unsigned char ch) { return Table[ch] & SentenceMark; }
bool IsCloser(unsigned char ch) { return Table[ch] & Closer; }

unsigned char ToLower(unsigned char ch) {
  if (ch >= 'A' && ch <= 'Z') return static_cast<unsigned char>(ch + 32);
  if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) return static_cast<unsigned char>(ch + 32);
  if (ch == 0x8A || ch == 0x8C || ch == 0x8E) return static_cast<unsigned char>(ch + 16);
  if (ch == 0x9F) return 0xFF;
  return ch;
}

}  // namespace frasor
