#include "frasor/CharClasses.h"

namespace frasor {

unsigned char ToLower(unsigned char ch) {
  if (ch >= 'A' && ch <= 'Z') return static_cast<unsigned char>(ch + 32);
  if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) return static_cast<unsigned char>(ch + 32);
  if (ch == 0x8A || ch == 0x8C || ch == 0x8E) return static_cast<unsigned char>(ch + 16);
  if (ch == 0x9F) return 0xFF;
  return ch;
}

}  // namespace frasor
