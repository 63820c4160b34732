// Arbitrary bytes through the whole segmenter (frasor::SegmentFile): byte-
// order marks, detection, decoding, NFC, conversion to Windows-1252,
// paragraphs and sentences. The output must hold, in order, exactly the
// non-blank characters of the input as an independent conversion gives them
// (the whole text decoded at once by ICU, normalised to NFC, converted to
// Windows-1252 with "?" for what it lacks and for byte 26), one non-empty
// sentence per CR LF line without blanks at either end.
//
// Input: a mode byte (BOM or none, or the rest re-encoded as UTF-8 without a
// BOM), a padding byte and a filler byte (how much of which filler text
// goes in front, up to past the segmenter's block length), then the bytes.
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frasor/LongSentences.h"
#include "frasor/SegmentFile.h"
#include "fuzz/FuzzSupport.h"

namespace {

UConverter* Open(const char* name) {
  UErrorCode status = U_ZERO_ERROR;
  UConverter* converter = ucnv_open(name, &status);
  FUZZ_REQUIRE(U_SUCCESS(status));
  return converter;
}

// `bytes` from the ICU encoding `from` to `to`, ICU's default substitutions
// for what is ill-formed or missing.
std::string Convert(const char* to, const char* from, std::string_view bytes) {
  std::string out(bytes.size() * 4 + 16, '\0');
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = ucnv_convert(to, from, out.data(), static_cast<int32_t>(out.size()),
                                bytes.data(), static_cast<int32_t>(bytes.size()), &status);
  FUZZ_REQUIRE(U_SUCCESS(status));
  out.resize(static_cast<std::size_t>(length));
  return out;
}

bool IsAscii(std::string_view bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// Valid UTF-8 as a converter that stops at the first ill-formed sequence sees it.
bool IsValidUtf8(std::string_view bytes) {
  UConverter* utf8 = Open("UTF-8");
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setToUCallBack(utf8, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  std::vector<UChar> scratch(bytes.size() + 4);
  UChar* target = scratch.data();
  const char* source = bytes.data();
  ucnv_toUnicode(utf8, &target, scratch.data() + scratch.size(), &source,
                 bytes.data() + bytes.size(), nullptr, true, &status);
  ucnv_close(utf8);
  return U_SUCCESS(status);
}

std::string MakeInput(fuzz_support::Input& input) {
  std::uint8_t mode = input.TakeByte();
  std::uint8_t pad = input.TakeByte();
  std::uint8_t filler = input.TakeByte();
  constexpr std::string_view Fillers[] = {"a", "Fim. ", "a\n", "\r\n"};
  // The blocks of the detection and the compaction of the paragraph buffer
  // are 64 KiB, the segmenter's blocks 256 KiB (in bytes of the file: half
  // as many characters of UTF-16), and lines are cut at MaxSentenceBytes.
  // Only the filler of one long word goes past 64 KiB: that much of short
  // lines or sentences is slow.
  std::size_t unit = mode % 6 == 2 || mode % 6 == 3 ? 2 : 1;
  std::size_t length =
      filler % 4 == 0
          ? fuzz_support::PaddingLength(
                pad, {frasor::MaxSentenceBytes, (1 << 16) / unit, (1 << 18) / unit})
          : fuzz_support::PaddingLength(pad, {frasor::MaxSentenceBytes, (1 << 16) / unit});
  std::string padding = fuzz_support::Padding(length, Fillers[filler % 4]);
  std::string rest(input.Rest());
  switch (mode % 6) {
    case 1:
      return "\xEF\xBB\xBF" + padding + rest;
    case 2:
      return "\xFF\xFE" + Convert("UTF-16LE", "US-ASCII", padding) + rest;
    case 3:
      return "\xFE\xFF" + Convert("UTF-16BE", "US-ASCII", padding) + rest;
    case 4:
      // Well-formed UTF-8 of Windows-1252 text, without a mark.
      return padding + Convert("UTF-8", "windows-1252", rest);
    case 5:
      // Well-formed UTF-8 of any UTF-16 text, combining marks included.
      return padding + Convert("UTF-8", "UTF-16LE", rest);
    default:
      return padding + rest;
  }
}

// The text of the input file in Windows-1252, decoded and normalised whole.
// The encoding is judged from the bytes as the segmenter documents it: a
// byte-order mark; else valid UTF-8 that is not plain ASCII; else
// Windows-1252.
std::string ReferenceWindows1252(std::string_view file) {
  const char* name = "windows-1252";
  if (file.starts_with("\xEF\xBB\xBF")) {
    name = "UTF-8";
    file.remove_prefix(3);
  } else if (file.starts_with("\xFF\xFE")) {
    name = "UTF-16LE";
    file.remove_prefix(2);
  } else if (file.starts_with("\xFE\xFF")) {
    name = "UTF-16BE";
    file.remove_prefix(2);
  } else if (!IsAscii(file) && IsValidUtf8(file)) {
    name = "UTF-8";
  }

  std::string utf16 = Convert("UTF-16LE", name, file);
  std::vector<UChar> text(utf16.size() / 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<UChar>(static_cast<unsigned char>(utf16[2 * i]) |
                                 static_cast<unsigned char>(utf16[2 * i + 1]) << 8);
  }
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
  FUZZ_REQUIRE(U_SUCCESS(status));
  std::vector<UChar> normalised(text.size() * 3 + 16);
  int32_t length =
      unorm2_normalize(nfc, text.data(), static_cast<int32_t>(text.size()), normalised.data(),
                       static_cast<int32_t>(normalised.size()), &status);
  FUZZ_REQUIRE(U_SUCCESS(status));

  UConverter* windows1252 = Open("windows-1252");
  ucnv_setSubstChars(windows1252, "?", 1, &status);
  std::string out(static_cast<std::size_t>(length) + 16, '\0');
  int32_t written = ucnv_fromUChars(windows1252, out.data(), static_cast<int32_t>(out.size()),
                                    normalised.data(), length, &status);
  ucnv_close(windows1252);
  FUZZ_REQUIRE(U_SUCCESS(status));
  out.resize(static_cast<std::size_t>(written));
  for (char& c : out) {
    if (c == '\x1A') c = '?';
  }
  return out;
}

// Space, TAB, VT, FF, no-break space and the line breaks.
bool IsBlankOrBreak(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\xA0' || c == '\r' || c == '\n';
}

std::string NonBlank(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (!IsBlankOrBreak(c)) kept += c;
  }
  return kept;
}

std::string InputName() { return fuzz_support::Scratch().Path() + "/texto.txt"; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_support::Input bytes(data, size);
  std::string input = MakeInput(bytes);
  fuzz_support::WriteFile(InputName(), input);
  std::remove(frasor::ReadinessName(InputName()).c_str());

  frasor::SegmentFile(InputName());
  std::string output = fuzz_support::ReadFile(frasor::SegmentedName(InputName()));
  FUZZ_REQUIRE(std::filesystem::exists(frasor::ReadinessName(InputName())));

  // One sentence per CR LF line: never empty, never a blank at either end.
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < output.size(); ++i) {
    if (output[i] == '\r') FUZZ_REQUIRE(i + 1 < output.size() && output[i + 1] == '\n');
    if (output[i] != '\n') continue;
    FUZZ_REQUIRE(i > 0 && output[i - 1] == '\r');
    std::string_view line = std::string_view(output).substr(lineStart, i - 1 - lineStart);
    FUZZ_REQUIRE(!line.empty());
    FUZZ_REQUIRE(!IsBlankOrBreak(line.front()) && !IsBlankOrBreak(line.back()));
    lineStart = i + 1;
  }
  FUZZ_REQUIRE(lineStart == output.size());
  FUZZ_REQUIRE(output.find('\x1A') == std::string::npos);

  // Nothing lost, nothing added, nothing moved.
  std::string got = NonBlank(output);
  std::string want = NonBlank(ReferenceWindows1252(input));
  if (got != want) {
    std::size_t at = 0;
    while (at < got.size() && at < want.size() && got[at] == want[at]) ++at;
    std::size_t from = at < 40 ? 0 : at - 40;
    std::fprintf(stderr,
                 "non-blank characters differ at %zu of %zu/%zu\nsegmented: %s\nexpected:  %s\n",
                 at, got.size(), want.size(), fuzz_support::Escaped(got.substr(from, 80)).c_str(),
                 fuzz_support::Escaped(want.substr(from, 80)).c_str());
  }
  FUZZ_REQUIRE(got == want);
  return 0;
}
