#include "frasor/TextDecoder.h"

#include <unicode/utf16.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

namespace frasor {
namespace {

// Room for what a converter holds back from the previous block.
constexpr std::size_t Slack = 16;

void Check(UErrorCode status, const char* step) {
  if (U_FAILURE(status)) throw std::runtime_error(std::string(step) + ": " + u_errorName(status));
}

const char* IcuName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8:
      return "UTF-8";
    case TextEncoding::Utf16LittleEndian:
      return "UTF-16LE";
    case TextEncoding::Utf16BigEndian:
      return "UTF-16BE";
    case TextEncoding::Windows1252:
      break;
  }
  return "windows-1252";
}

// The characters that UTF-8 input converts by table: ASCII, and the Latin-1
// letters and signs U+00A0..U+00FF (two bytes, C2 A0..C2 BF and C3 80..C3 BF),
// which have the same byte in Windows-1252. All are in normalisation form C
// and combine with nothing before them; only a combining mark after one may
// change it, so ICU has to see the last one before any other character.
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

// Fewer bytes of such characters between others go through ICU with them.
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
  fromInput_ = std::make_unique<IcuConverter>(IcuName(encoding));
  toWindows1252_ = std::make_unique<IcuConverter>("windows-1252");
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setSubstChars(toWindows1252_->Get(), &SubstituteByte, 1, &status);
  nfc_ = unorm2_getNFCInstance(&status);
  Check(status, "ICU normaliser");
}

std::string_view TextDecoder::Decode(std::string_view bytes, bool last) {
  if (!fromInput_) return bytes;
  outputSize_ = 0;
  if (utf8_) {
    DecodeUtf8(bytes, last);
  } else {
    DecodeWithIcu(bytes, last, last);
  }
  return std::string_view(output_.data(), outputSize_);
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
    if (IcuHoldsNothing()) {
      auto* to =
          reinterpret_cast<unsigned char*>(ReserveOutput(static_cast<std::size_t>(end - at)));
      unsigned char* first = to;
      const unsigned char* stop = ConvertLatin1(at, end, to);
      // ICU takes the last of them with what follows, unless nothing does.
      if (stop > at && (stop < end || !last)) {
        stop -= stop[-1] < 0x80 ? 1 : 2;
        --to;
      }
      outputSize_ += static_cast<std::size_t>(to - first);
      at = stop;
    }
    if (at == end) break;
    // ICU takes the text up to the next run of characters that the table
    // converts, before which no normalisation reaches. Short runs go with
    // it: in decomposed text a combining mark follows every few letters, and
    // ICU works faster on long pieces.
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
    DecodeWithIcu(piece(at, next), last && next == end, next < end);
    at = next;
  }
  if (last) DecodeWithIcu({}, true, true);
}

// Whether ICU holds no bytes of a character nor characters that wait for
// the next one.
bool TextDecoder::IcuHoldsNothing() const {
  if (carried_ > 0) return false;
  UErrorCode status = U_ZERO_ERROR;
  int32_t pending = ucnv_toUCountPending(fromInput_->Get(), &status);
  Check(status, "decoding");
  return pending == 0;
}

void TextDecoder::DecodeWithIcu(std::string_view bytes, bool last, bool boundaryAfter) {
  // No encoding gives more UTF-16 units than bytes.
  std::size_t room = carried_ + bytes.size() + Slack;
  if (utf16_.size() < room) utf16_.resize(room);
  const char* source = bytes.data();
  UChar* target = utf16_.data() + carried_;
  UErrorCode status = U_ZERO_ERROR;
  ucnv_toUnicode(fromInput_->Get(), &target, utf16_.data() + utf16_.size(), &source,
                 source + bytes.size(), nullptr, last, &status);
  Check(status, "decoding");
  NormaliseAndConvert(static_cast<std::size_t>(target - utf16_.data()), last, boundaryAfter);
}

// Where the last character that cannot combine with what precedes it starts.
std::size_t TextDecoder::LastBoundary(std::size_t length) const {
  int32_t i = static_cast<int32_t>(length);
  while (i > 0) {
    UChar32 c;
    U16_PREV(utf16_.data(), 0, i, c);
    if (unorm2_hasBoundaryBefore(nfc_, c)) break;
  }
  return static_cast<std::size_t>(i);
}

void TextDecoder::NormaliseAndConvert(std::size_t length, bool last, bool boundaryAfter) {
  std::size_t ready = last || boundaryAfter ? length : LastBoundary(length);
  UErrorCode status = U_ZERO_ERROR;
  const UChar* text = utf16_.data();
  // Most text is normalised already: only the rest goes through the normaliser.
  auto normalisedPrefix = static_cast<std::size_t>(
      unorm2_spanQuickCheckYes(nfc_, text, static_cast<int32_t>(ready), &status));
  Check(status, "normalising");
  AppendWindows1252(text, normalisedPrefix, false);
  std::size_t rest = ready - normalisedPrefix;
  if (rest > 0) {
    if (normalised_.size() < rest + Slack) normalised_.resize(rest + Slack);
    for (;;) {
      status = U_ZERO_ERROR;
      int32_t produced =
          unorm2_normalize(nfc_, text + normalisedPrefix, static_cast<int32_t>(rest),
                           normalised_.data(), static_cast<int32_t>(normalised_.size()), &status);
      if (status == U_BUFFER_OVERFLOW_ERROR) {
        normalised_.resize(static_cast<std::size_t>(produced));
        continue;
      }
      Check(status, "normalising");
      AppendWindows1252(normalised_.data(), static_cast<std::size_t>(produced), false);
      break;
    }
  }
  if (last) AppendWindows1252(text, 0, true);  // flushes a pending lone surrogate
  std::copy(utf16_.begin() + static_cast<std::ptrdiff_t>(ready),
            utf16_.begin() + static_cast<std::ptrdiff_t>(length), utf16_.begin());
  carried_ = length - ready;
}

void TextDecoder::AppendWindows1252(const UChar* text, std::size_t length, bool last) {
  // One byte for each UTF-16 unit at most.
  char* start = ReserveOutput(length + Slack);
  char* target = start;
  UErrorCode status = U_ZERO_ERROR;
  ucnv_fromUnicode(toWindows1252_->Get(), &target, start + length + Slack, &text, text + length,
                   nullptr, last, &status);
  Check(status, "converting to Windows-1252");
  outputSize_ += static_cast<std::size_t>(target - start);
}

char* TextDecoder::ReserveOutput(std::size_t more) {
  if (output_.size() < outputSize_ + more) {
    output_.resize(std::max(output_.size() * 2, outputSize_ + more));
  }
  return output_.data() + outputSize_;
}

}  // namespace frasor
