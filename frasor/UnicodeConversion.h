// The Unicode steps of TextDecoder, implemented once per platform and chosen
// when building: with ICU in frasor/icu/, with the system's own functions in
// frasor/win32/. Both give the same bytes, as tests/windows/
// check_frasor_parity.sh checks. Each call handles a whole block or piece of
// text, never a single character.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "frasor/OutputBytes.h"
#include "frasor/TextEncoding.h"

namespace frasor {

// Stands for a character that Windows-1252 lacks; written out as "?".
inline constexpr char SubstituteByte = '\x1A';

// The units that Utf16Decoder::Decode may write beyond one for each byte it
// is given: those of a sequence that the previous block began.
inline constexpr std::size_t DecodingSlack = 16;

// Decodes UTF-8 or UTF-16 bytes into UTF-16, block by block. A sequence
// split between blocks comes out whole with the later one. Each maximal
// subpart of an ill-formed UTF-8 sequence, each lone surrogate, and a
// sequence that the end of the text cuts short come out as one U+FFFD.
class Utf16Decoder {
 public:
  // `encoding` is Utf8, Utf16LittleEndian or Utf16BigEndian.
  explicit Utf16Decoder(TextEncoding encoding);
  ~Utf16Decoder();
  Utf16Decoder(const Utf16Decoder&) = delete;
  Utf16Decoder& operator=(const Utf16Decoder&) = delete;

  // Decodes `bytes`, the next block of the text (`last` for the final one),
  // to `target`, which has room for bytes.size() + DecodingSlack units, and
  // returns how many it wrote.
  std::size_t Decode(std::string_view bytes, bool last, char16_t* target);

  // Whether the bytes of an unfinished sequence wait for the next block.
  bool HoldsBytes() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Where the last character of `text` starts before which normalisation form
// C never changes anything (a character that combines with nothing before
// it), so that the text before it is normalised whatever follows; 0 when
// there is none.
std::size_t LastNormalisationBoundary(std::u16string_view text);

// Turns UTF-16 text into Windows-1252 in normalisation form C: one byte for
// each character, SubstituteByte for a character that Windows-1252 lacks,
// nothing for the invisible format characters it lacks (the default-
// ignorable code points that ICU's conversion leaves out).
class Windows1252Encoder {
 public:
  Windows1252Encoder();
  ~Windows1252Encoder();
  Windows1252Encoder(const Windows1252Encoder&) = delete;
  Windows1252Encoder& operator=(const Windows1252Encoder&) = delete;

  // Appends the bytes of `text` to `output`. `text` holds whole characters,
  // and ends before a normalisation boundary or at the end of the text.
  void Encode(std::u16string_view text, OutputBytes& output);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace frasor
