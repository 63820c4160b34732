// The decoder of the ICU build against ICU's own conversion of the whole
// text at once: the Windows build, which has no ICU, is held to the same
// bytes by tests/windows/check_frasor_parity.sh.
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "frasor/EncodedText.h"
#include "frasor/TextDecoder.h"
#include "frasor/icu/IcuConverter.h"

using frasor::TextEncoding;
using frasor_testing::Decoded;
using frasor_testing::DecodedInTwo;
using frasor_testing::Utf8;

namespace {

// What ICU alone makes of the whole of `bytes` at once: decoded, normalised
// to NFC and converted to Windows-1252 with SubstituteByte for the rest.
std::string IcuWindows1252(const std::string& bytes, TextEncoding encoding = TextEncoding::Utf8) {
  UErrorCode status = U_ZERO_ERROR;
  frasor::IcuConverter fromInput(frasor::IcuName(encoding));
  std::vector<UChar> decoded(bytes.size() + 1);
  int32_t units =
      ucnv_toUChars(fromInput.Get(), decoded.data(), static_cast<int32_t>(decoded.size()),
                    bytes.data(), static_cast<int32_t>(bytes.size()), &status);
  const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
  std::vector<UChar> normalised(static_cast<std::size_t>(units) * 3 + 1);
  int32_t normalisedUnits = unorm2_normalize(nfc, decoded.data(), units, normalised.data(),
                                             static_cast<int32_t>(normalised.size()), &status);
  frasor::IcuConverter toWindows1252("windows-1252");
  ucnv_setSubstChars(toWindows1252.Get(), &frasor::SubstituteByte, 1, &status);
  std::string windows1252(static_cast<std::size_t>(normalisedUnits) + 1, '\0');
  int32_t size = ucnv_fromUChars(toWindows1252.Get(), windows1252.data(),
                                 static_cast<int32_t>(windows1252.size()), normalised.data(),
                                 normalisedUnits, &status);
  EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
  windows1252.resize(static_cast<std::size_t>(size));
  return windows1252;
}

// The decoder gives ICU's text for `bytes` whatever the pieces.
void ExpectIcuTextInAnyPieces(const std::string& bytes,
                              TextEncoding encoding = TextEncoding::Utf8) {
  std::string expected = IcuWindows1252(bytes, encoding);
  for (std::size_t pieceSize : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7},
                                std::size_t{64}, std::size_t{4093}, bytes.size() + 1}) {
    EXPECT_EQ(Decoded(bytes, pieceSize, encoding), expected) << "pieces of " << pieceSize;
  }
  // Every place of a single cut between two blocks.
  for (std::size_t cut = 0; cut <= bytes.size() && bytes.size() <= 200; ++cut) {
    EXPECT_EQ(DecodedInTwo(bytes, cut, encoding), expected) << "cut at " << cut;
  }
}

}  // namespace

TEST(TextDecoderAgainstIcu, ConvertsAsciiAndLatin1Characters) {
  // Each code point up to U+00FF alone, after a long ASCII run and before one,
  // including the C1 controls, of which Windows-1252 has only some.
  std::string utf8;
  for (char32_t c = 0; c <= 0xFF; ++c) utf8 += "palavras " + Utf8(c) + " depois ";
  EXPECT_EQ(IcuWindows1252(Utf8(0xE9) + Utf8(0xA0) + Utf8(0xFF)), "\xE9\xA0\xFF");
  ExpectIcuTextInAnyPieces(utf8);
}

TEST(TextDecoderAgainstIcu, ComposesAccents) {
  ExpectIcuTextInAnyPieces("Um texto bem longo de Jose\xCC\x81 e Ine\xCC\x82s.");
  ExpectIcuTextInAnyPieces(
      "AAAAAAAAA\xCC\x8A \xC3\xA2\xCC\x81 \xC3\xBC\xCC\x84 \xC3\xA7\xCC\xA7 fim");
}

TEST(TextDecoderAgainstIcu, SubstitutesIllFormedSequences) {
  for (const std::string utf8 :
       {"abc\xC3", "abc\xC3X\xC3\xA9", "ab\xE2\x82\xC3\xA9 ok", "\xC3\xC3\xA9\xC3",
        "\xC0\xAF e \xC1\xBF", "\xED\xA0\x80 \xF4\x90\x80\x80 \xF0\x9F\x98", "\x80\xBF\xC2\x9F\xC2",
        "\xF0\x9F\xC3\xA9\xCC\x81", "e\xE2\x82\xCC\x81", "\xF8\x88\x80\x80\x80 \xFE\xFF"}) {
    ExpectIcuTextInAnyPieces(utf8);
  }
}

TEST(TextDecoderAgainstIcu, GivesIcuTextForMixedUtf8) {
  ExpectIcuTextInAnyPieces(frasor_testing::MixedUtf8(60000, 1252));
}

TEST(TextDecoderAgainstIcu, GivesIcuTextForMixedUtf16) {
  // Short enough to be cut at every place, and long.
  for (std::size_t count : {std::size_t{99}, std::size_t{20000}}) {
    for (bool bigEndian : {false, true}) {
      std::string utf16 =
          frasor_testing::Utf16(frasor_testing::MixedUtf16CodePoints(count, 1252), bigEndian);
      TextEncoding encoding =
          bigEndian ? TextEncoding::Utf16BigEndian : TextEncoding::Utf16LittleEndian;
      ExpectIcuTextInAnyPieces(utf16, encoding);
      // Cut short by the end of the text in the middle of a unit.
      ExpectIcuTextInAnyPieces(utf16 + "A", encoding);
    }
  }
}
