#include "corpus/LetterCase.h"

#include <cstdint>

namespace corpus {

char LowerCase(char byte) {
  auto value = static_cast<std::uint8_t>(byte);
  // A to Z, the accented capitals 0xC0 to 0xDE but the multiplication sign,
  // and Š, Œ, Ž, Ÿ.
  if ((value >= 'A' && value <= 'Z') || (value >= 0xC0 && value <= 0xDE && value != 0xD7)) {
    return static_cast<char>(value + 0x20);
  }
  switch (value) {
    case 0x8A:
      return static_cast<char>(0x9A);
    case 0x8C:
      return static_cast<char>(0x9C);
    case 0x8E:
      return static_cast<char>(0x9E);
    case 0x9F:
      return static_cast<char>(0xFF);
    default:
      return byte;
  }
}

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& byte : lower) byte = LowerCase(byte);
  return lower;
}

bool IsUpperCaseLetter(char byte) { return LowerCase(byte) != byte; }

bool IsLowerCaseLetter(char byte) {
  auto value = static_cast<std::uint8_t>(byte);
  return (value >= 'a' && value <= 'z') || (value >= 0xDF && value != 0xF7) || value == 0x9A ||
         value == 0x9C || value == 0x9E;
}

char PlainLetter(char byte) {
  switch (static_cast<std::uint8_t>(byte)) {
    case 0xE0:
    case 0xE1:
    case 0xE2:
    case 0xE3:
    case 0xE4:
      return 'a';
    case 0xE7:
      return 'c';
    case 0xE8:
    case 0xE9:
    case 0xEA:
    case 0xEB:
      return 'e';
    case 0xEC:
    case 0xED:
    case 0xEE:
    case 0xEF:
      return 'i';
    case 0xF2:
    case 0xF3:
    case 0xF4:
    case 0xF5:
    case 0xF6:
      return 'o';
    case 0xF9:
    case 0xFA:
    case 0xFB:
    case 0xFC:
      return 'u';
    case 0xFD:
    case 0xFF:
      return 'y';
    default:
      return byte;
  }
}

bool IsVowel(char byte) {
  return std::string_view("aeiou").find(PlainLetter(byte)) != std::string_view::npos;
}

std::string_view PortugueseAccents(char plain) {
  switch (plain) {
    case 'a':
      return "\xE1\xE2\xE3\xE0";  // á â ã à
    case 'e':
      return "\xE9\xEA";  // é ê
    case 'i':
      return "\xED";  // í
    case 'o':
      return "\xF3\xF4\xF5";  // ó ô õ
    case 'u':
      return "\xFA\xFC";  // ú ü
    case 'c':
      return "\xE7";  // ç
    default:
      return {};
  }
}

}  // namespace corpus
