#include "ui/common/NameEncoding.h"

#include "platform/FileError.h"

std::string NameHeldExactly(std::u16string_view typed, const NameEncoding& encoding) {
  std::string held = encoding.encode(typed);
  if (encoding.decode(held) != typed) throw platform::FileError::InvalidName();
  return held;
}
