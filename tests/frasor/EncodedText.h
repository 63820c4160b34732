// Text in the encodings that the segmenter reads, and what its decoder makes
// of it, for the decoding tests.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "frasor/TextEncoding.h"

namespace frasor_testing {

// The UTF-8 form of code point `c`.
std::string Utf8(char32_t c);

// The code points of `codePoints` as UTF-16 bytes; a code point of a
// surrogate stands alone.
std::string Utf16(const std::u32string& codePoints, bool bigEndian);

// About `size` bytes of UTF-8, in random order but the same for the same
// seed: ASCII, Latin-1, combining marks alone and in sequences, letters that
// decompose or that Windows-1252 lacks, characters outside the Basic
// Multilingual Plane, invisible format characters, noncharacters, C1
// controls and ill-formed bytes.
std::string MixedUtf8(std::size_t size, unsigned seed);

// `count` code points for UTF-16, in random order but the same for the same
// seed: those of MixedUtf8, and surrogates alone.
std::u32string MixedUtf16CodePoints(std::size_t count, unsigned seed);

// What the decoder makes of `bytes` fed in pieces of `pieceSize` bytes, then
// an empty last block, as SegmentFile feeds it.
std::string Decoded(std::string_view bytes, std::size_t pieceSize,
                    frasor::TextEncoding encoding = frasor::TextEncoding::Utf8);

// What the decoder makes of `bytes` cut in two at `cut`, the second block the last.
std::string DecodedInTwo(std::string_view bytes, std::size_t cut,
                         frasor::TextEncoding encoding = frasor::TextEncoding::Utf8);

}  // namespace frasor_testing
