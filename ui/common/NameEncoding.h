// File names between a window and the system. Both toolkits hold the text
// of their controls in UTF-16; the system holds names as 8-bit strings, in
// the encoding each front end's platform gives file names.
#pragma once

#include <string>
#include <string_view>

// A front end's conversion of names from its controls to the system's bytes
// and back.
struct NameEncoding {
  std::string (*encode)(std::u16string_view text);
  std::u16string (*decode)(std::string_view bytes);
};

// `typed` as the system holds it. Throws platform::FileError::InvalidName()
// when `encoding` cannot hold it exactly, that is when its bytes do not
// decode to `typed` again: they would name another file.
std::string NameHeldExactly(std::u16string_view typed, const NameEncoding& encoding);
