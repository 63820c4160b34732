#include "frasor/TextDecoder.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace frasor {
namespace {

// The characters that UTF-8 input converts by table: ASCII, and the Latin-1
// letters and signs U+00A0..U+00FF (two bytes, C2 A0..C2 BF and C3 80..C3 BF),
// which have the same byte in Windows-1252. All are in normalisation form C
// and combine with nothing before them; only a combining mark after one may
// change it, so the Unicode steps have to see the last one before any other
// character.
// Converts such characters from the start of [from, end) to `to`, one byte
// each, and returns where they end.
const unsigned char* ConvertLatin1(const unsigned char* from, const unsigned char* end,
                                   unsigned char*& to) {
  constexpr std::uint64_t HighBits = 0x8080808080808080;
  while (from < end) {
    if (end - from >= 8) {
      // Eight bytes copied at once; those from the first that is not ASCII
      // on lie past `to`, and count only once written again.
      std::uint64_t word;
      std::memcpy(&word, from, 8);
      std::memcpy(to, &word, 8);
      std::uint64_t high = word & HighBits;
      if (high == 0) {
        from += 8;
        to += 8;
        continue;
      }
      int ascii = std::countr_zero(high) / 8;
      from += ascii;
      to += ascii;
    } else if (*from < 0x80) {
      *to++ = *from++;
      continue;
    }
    unsigned char lead = *from;
    if (end - from < 2) break;
    unsigned char trail = from[1];
    if (lead == 0xC3 && trail >= 0x80 && trail <= 0xBF) {
      *to++ = static_cast<unsigned char>(trail + 0x40);
    } else if (lead == 0xC2 && trail >= 0xA0 && trail <= 0xBF) {
      *to++ = trail;
    } else {
      break;
    }
    from += 2;
  }
  return from;
}

// Fewer bytes of such characters between others go through the Unicode
// steps with them.
constexpr std::ptrdiff_t ShortestTableRun = 32;

// Whether a character that ConvertLatin1 converts starts at `at`.
bool StartsLatin1(const unsigned char* at, const unsigned char* end) {
  if (*at < 0x80) return true;
  if (end - at < 2) return false;
  return (at[0] == 0xC3 && at[1] >= 0x80 && at[1] <= 0xBF) ||
         (at[0] == 0xC2 && at[1] >= 0xA0 && at[1] <= 0xBF);
}

}  // namespace

TextDecoder::TextDecoder(TextEncoding encoding) {
  if (encoding == TextEncoding::Windows1252) return;
  utf8_ = encoding == TextEncoding::Utf8;
  fromInput_ = std::make_unique<Utf16Decoder>(encoding);
  toWindows1252_ = std::make_unique<Windows1252Encoder>();
}

std::string_view TextDecoder::Decode(std::string_view bytes, bool last) {
  if (!fromInput_) return bytes;
  output_.Clear();
  if (utf8_) {
    DecodeUtf8(bytes, last);
  } else {
    DecodeAndNormalise(bytes, last, last);
  }
  return output_.View();
}

void TextDecoder::DecodeUtf8(std::string_view bytes, bool last) {
  const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data());
  const unsigned char* end = begin + bytes.size();
  const unsigned char* at = begin;
  auto piece = [](const unsigned char* from, const unsigned char* to) {
    return std::string_view(reinterpret_cast<const char*>(from),
                            static_cast<std::size_t>(to - from));
  };
  for (;;) {
    if (HoldsNothing()) {
      auto* to =
          reinterpret_cast<unsigned char*>(output_.Reserve(static_cast<std::size_t>(end - at)));
      unsigned char* first = to;
      const unsigned char* stop = ConvertLatin1(at, end, to);
      // The Unicode steps take the last of them with what follows, unless
      // nothing does.
      if (stop > at && (stop < end || !last)) {
        stop -= stop[-1] < 0x80 ? 1 : 2;
        --to;
      }
      output_.Advance(static_cast<std::size_t>(to - first));
      at = stop;
    }
    if (at == end) break;
    // The Unicode steps take the text up to the next run of characters that
    // the table converts, before which no normalisation reaches. Short runs
    // go with it: in decomposed text a combining mark follows every few
    // letters, and the steps work faster on long pieces.
    const unsigned char* next = at + 1;
    for (;;) {
      while (next < end && !StartsLatin1(next, end)) ++next;
      const unsigned char* run = next;
      while (run < end && run - next < ShortestTableRun && StartsLatin1(run, end)) {
        run += *run < 0x80 ? 1 : 2;
      }
      if (run == end || run - next >= ShortestTableRun) break;
      next = run;
    }
    DecodeAndNormalise(piece(at, next), last && next == end, next < end);
    at = next;
  }
  if (last) DecodeAndNormalise({}, true, true);
}

bool TextDecoder::HoldsNothing() const { return carried_ == 0 && !fromInput_->HoldsBytes(); }

void TextDecoder::DecodeAndNormalise(std::string_view bytes, bool last, bool boundaryAfter) {
  std::size_t room = carried_ + bytes.size() + DecodingSlack;
  if (utf16_.size() < room) utf16_.resize(room);
  std::size_t length = carried_ + fromInput_->Decode(bytes, last, utf16_.data() + carried_);
  std::u16string_view text(utf16_.data(), length);
  std::size_t ready = last || boundaryAfter ? length : LastNormalisationBoundary(text);
  toWindows1252_->Encode(text.substr(0, ready), output_);
  std::copy(utf16_.begin() + static_cast<std::ptrdiff_t>(ready),
            utf16_.begin() + static_cast<std::ptrdiff_t>(length), utf16_.begin());
  carried_ = length - ready;
}

}  // namespace frasor
