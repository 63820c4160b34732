// Turns the bytes of an input text into Windows-1252 text in Unicode
// normalisation form C, block by block.
#pragma once

#include <unicode/unorm2.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "frasor/IcuConverter.h"
#include "frasor/TextEncoding.h"

namespace frasor {

// Stands for a character that Windows-1252 lacks; written out as "?".
inline constexpr char SubstituteByte = '\x1A';

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
  bool IcuHoldsNothing() const;
  // Decodes, normalises and converts `bytes` through ICU. With
  // `boundaryAfter`, the character that follows them combines with nothing
  // before it, so none of them waits for it.
  void DecodeWithIcu(std::string_view bytes, bool last, bool boundaryAfter);
  std::size_t LastBoundary(std::size_t length) const;
  void NormaliseAndConvert(std::size_t length, bool last, bool boundaryAfter);
  void AppendWindows1252(const UChar* text, std::size_t length, bool last);
  // Room for `more` bytes after the output so far.
  char* ReserveOutput(std::size_t more);

  // Null for Windows-1252 input, which is already normalised and is passed
  // through unchanged.
  std::unique_ptr<IcuConverter> fromInput_;
  std::unique_ptr<IcuConverter> toWindows1252_;
  // UTF-8 input converts ASCII and U+00A0..U+00FF by table, around ICU.
  bool utf8_ = false;
  const UNormalizer2* nfc_ = nullptr;
  // Decoded UTF-16; its first carried_ units wait for the next block, since
  // characters that follow may combine with them.
  std::vector<UChar> utf16_;
  std::size_t carried_ = 0;
  std::vector<UChar> normalised_;
  // The text of the current block is the first outputSize_ bytes; the
  // buffer only grows, so that it is not filled anew for every block.
  std::string output_;
  std::size_t outputSize_ = 0;
};

}  // namespace frasor
