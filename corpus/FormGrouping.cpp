#include "corpus/FormGrouping.h"

#include <cstdint>

namespace corpus {
namespace {

// Windows-1252 lower case: A to Z, the accented capitals 0xC0 to 0xDE but
// the multiplication sign, and Š, Œ, Ž, Ÿ.
char LowerCase(char byte) {
  auto value = static_cast<std::uint8_t>(byte);
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

}  // namespace

std::string GroupKey(std::string_view form) {
  std::string key(form);
  for (char& byte : key) byte = LowerCase(byte);
  return key;
}

}  // namespace corpus
