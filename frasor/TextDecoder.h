// Turns the bytes of an input text into Windows-1252 text in Unicode
// normalisation form C, block by block.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frasor/OutputBytes.h"
#include "frasor/TextEncoding.h"
#include "frasor/UnicodeConversion.h"

namespace frasor {

class TextDecoder {
 public:
  explicit TextDecoder(TextEncoding encoding);

  // The text of `bytes`, the next block of the input (after any byte-order
  // mark); `last` marks the final call, whose block may be empty. A sequence
  // split between blocks comes out whole with the later one. Characters
  // with no Windows-1252 form, and ill-formed input, come out as
  // SubstituteByte, so that they are not taken for question marks. The
  // result stays valid until the next call.
  std::string_view Decode(std::string_view bytes, bool last);

 private:
  void DecodeUtf8(std::string_view bytes, bool last);
  // Whether the Unicode steps hold no bytes of a character nor characters
  // that wait for the next one.
  bool HoldsNothing() const;
  // Decodes, normalises and converts `bytes` through the Unicode steps. With
  // `boundaryAfter`, the character that follows them combines with nothing
  // before it, so none of them waits for it.
  void DecodeAndNormalise(std::string_view bytes, bool last, bool boundaryAfter);

  // Null for Windows-1252 input, which is already normalised and is passed
  // through unchanged.
  std::unique_ptr<Utf16Decoder> fromInput_;
  std::unique_ptr<Windows1252Encoder> toWindows1252_;
  // UTF-8 input converts ASCII and U+00A0..U+00FF by table, around the
  // Unicode steps.
  bool utf8_ = false;
  // Decoded UTF-16; its first carried_ units wait for the next block, since
  // characters that follow may combine with them.
  std::vector<char16_t> utf16_;
  std::size_t carried_ = 0;
  OutputBytes output_;
};

}  // namespace frasor
