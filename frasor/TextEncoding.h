// Which encoding an input text is in, judged from its bytes.
#pragma once

#include <cstddef>
#include <string>

namespace frasor {

enum class TextEncoding { Windows1252, Utf8, Utf16LittleEndian, Utf16BigEndian };

struct DetectedEncoding {
  TextEncoding encoding;
  std::size_t byteOrderMarkLength;  // bytes at the start that are no text
};

// Reads the file `path` through: a UTF-8 or UTF-16 byte-order mark names its
// encoding; without one, text that is valid UTF-8 and not plain ASCII is
// UTF-8; everything else is Windows-1252. Throws platform::FileError.
DetectedEncoding DetectEncoding(const std::string& path);

}  // namespace frasor
