#include "frasor/TextDecoder.h"

#include <unicode/utf16.h>

#include <algorithm>
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

}  // namespace

TextDecoder::TextDecoder(TextEncoding encoding) {
  if (encoding == TextEncoding::Windows1252) return;
  fromInput_ = std::make_unique<IcuConverter>(IcuName(encoding));
  toWindows1252_ = std::make_unique<IcuConverter>("windows-1252");
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setSubstChars(toWindows1252_->Get(), &SubstituteByte, 1, &status);
  nfc_ = unorm2_getNFCInstance(&status);
  Check(status, "ICU normaliser");
}

std::string_view TextDecoder::Decode(std::string_view bytes, bool last) {
  if (!fromInput_) return bytes;
  // No encoding gives more UTF-16 units than bytes.
  utf16_.resize(carried_ + bytes.size() + Slack);
  const char* source = bytes.data();
  UChar* target = utf16_.data() + carried_;
  UErrorCode status = U_ZERO_ERROR;
  ucnv_toUnicode(fromInput_->Get(), &target, utf16_.data() + utf16_.size(), &source,
                 source + bytes.size(), nullptr, last, &status);
  Check(status, "decoding");
  output_.clear();
  NormaliseAndConvert(static_cast<std::size_t>(target - utf16_.data()), last);
  return output_;
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

void TextDecoder::NormaliseAndConvert(std::size_t length, bool last) {
  std::size_t ready = last ? length : LastBoundary(length);
  UErrorCode status = U_ZERO_ERROR;
  const UChar* text = utf16_.data();
  // Most text is normalised already: only the rest goes through the normaliser.
  auto normalisedPrefix = static_cast<std::size_t>(
      unorm2_spanQuickCheckYes(nfc_, text, static_cast<int32_t>(ready), &status));
  Check(status, "normalising");
  AppendWindows1252(text, normalisedPrefix, false);
  std::size_t rest = ready - normalisedPrefix;
  if (rest > 0) {
    normalised_.resize(rest + Slack);
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
  std::size_t old = output_.size();
  output_.resize(old + length + Slack);
  char* target = output_.data() + old;
  UErrorCode status = U_ZERO_ERROR;
  ucnv_fromUnicode(toWindows1252_->Get(), &target, output_.data() + output_.size(), &text,
                   text + length, nullptr, last, &status);
  Check(status, "converting to Windows-1252");
  output_.resize(static_cast<std::size_t>(target - output_.data()));
}

}  // namespace frasor
