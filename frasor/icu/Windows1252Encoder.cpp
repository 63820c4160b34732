// Normalisation and conversion to Windows-1252 with ICU, whose converter
// leaves the default-ignorable code points out instead of substituting them.
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>

#include <vector>

#include "frasor/UnicodeConversion.h"
#include "frasor/icu/IcuConverter.h"
#include "frasor/icu/IcuError.h"

namespace frasor {
namespace {

// Room for what the converter might write beyond one byte per unit.
constexpr std::size_t Slack = 16;

}  // namespace

struct Windows1252Encoder::State {
  State() : toWindows1252("windows-1252") {
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setSubstChars(toWindows1252.Get(), &SubstituteByte, 1, &status);
    nfc = unorm2_getNFCInstance(&status);
    ThrowOnIcuFailure(status, "ICU normaliser");
  }

  void Append(const UChar* text, std::size_t length, OutputBytes& output) {
    // One byte for each UTF-16 unit at most.
    char* start = output.Reserve(length + Slack);
    char* target = start;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_fromUnicode(toWindows1252.Get(), &target, start + length + Slack, &text, text + length,
                     nullptr, true, &status);
    ThrowOnIcuFailure(status, "converting to Windows-1252");
    output.Advance(static_cast<std::size_t>(target - start));
  }

  IcuConverter toWindows1252;
  const UNormalizer2* nfc = nullptr;
  std::vector<UChar> normalised;
};

Windows1252Encoder::Windows1252Encoder() : state_(std::make_unique<State>()) {}

Windows1252Encoder::~Windows1252Encoder() = default;

void Windows1252Encoder::Encode(std::u16string_view text, OutputBytes& output) {
  State& state = *state_;
  UErrorCode status = U_ZERO_ERROR;
  // Most text is normalised already: only the rest goes through the normaliser.
  auto normalisedPrefix = static_cast<std::size_t>(
      unorm2_spanQuickCheckYes(state.nfc, text.data(), static_cast<int32_t>(text.size()), &status));
  ThrowOnIcuFailure(status, "normalising");
  state.Append(text.data(), normalisedPrefix, output);
  std::u16string_view rest = text.substr(normalisedPrefix);
  if (rest.empty()) return;
  if (state.normalised.size() < rest.size() + Slack) state.normalised.resize(rest.size() + Slack);
  for (;;) {
    status = U_ZERO_ERROR;
    int32_t produced = unorm2_normalize(state.nfc, rest.data(), static_cast<int32_t>(rest.size()),
                                        state.normalised.data(),
                                        static_cast<int32_t>(state.normalised.size()), &status);
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      state.normalised.resize(static_cast<std::size_t>(produced));
      continue;
    }
    ThrowOnIcuFailure(status, "normalising");
    state.Append(state.normalised.data(), static_cast<std::size_t>(produced), output);
    return;
  }
}

}  // namespace frasor
