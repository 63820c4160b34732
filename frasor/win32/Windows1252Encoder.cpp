// Normalisation and conversion to Windows-1252 with the system's functions.
// The output is the same as ICU's: a character outside the Basic Multilingual
// Plane gives one substitute, as ICU's converter writes it (the system writes
// one for each of its two units), and the code points that ICU's converter
// leaves out are left out. Normalisation follows the system's tables, which
// under Wine 8 say what ICU 72's do of every character; a Windows of an
// older Unicode version may normalise the marks added since differently.
#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "frasor/UnicodeConversion.h"
#include "frasor/win32/PlainCharacters.h"
#include "frasor/win32/SystemError.h"
#include "frasor/win32/Utf16Units.h"

namespace frasor {
namespace {

constexpr UINT Windows1252 = 1252;

// The default-ignorable code points that ICU's conversion to Windows-1252
// leaves out instead of substituting (its fixed list, checked against ICU
// 72): joiners, direction marks, variation selectors, fillers, tags and
// invisible operators. U+00AD, the soft hyphen, has a byte of its own.
constexpr bool IsLeftOut(char32_t c) {
  return c == 0x034F || c == 0x061C || c == 0x115F || c == 0x1160 || (c >= 0x17B4 && c <= 0x17B5) ||
         (c >= 0x180B && c <= 0x180F) || (c >= 0x200B && c <= 0x200F) ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0x3164 ||
         (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF || c == 0xFFA0 ||
         (c >= 0xFFF0 && c <= 0xFFF8) || (c >= 0x1BCA0 && c <= 0x1BCA3) ||
         (c >= 0x1D173 && c <= 0x1D17A) || (c >= 0xE0000 && c <= 0xE0FFF);
}

// Appends `text` in Windows-1252, one byte per unit, SubstituteByte for the
// units that it lacks; `text` holds no surrogates.
void AppendBmp(std::u16string_view text, OutputBytes& output) {
  if (text.empty()) return;
  char* start = output.Reserve(text.size());
  int written = WideCharToMultiByte(Windows1252, WC_NO_BEST_FIT_CHARS, win32::Wide(text.data()),
                                    static_cast<int>(text.size()), start,
                                    static_cast<int>(text.size()), &SubstituteByte, nullptr);
  if (written <= 0) win32::ThrowSystemError("converting to Windows-1252", GetLastError());
  output.Advance(static_cast<std::size_t>(written));
}

}  // namespace

struct Windows1252Encoder::State {
  // Appends the normalisation form C of `text` to `normalised`.
  void Normalise(std::u16string_view text);
  // Returns where the system refused `text`, having appended nothing, or
  // npos once it has appended its normalised form.
  std::size_t TryNormalise(std::u16string_view text);
  // Leaves out what ICU leaves out, and puts U+FFFD, which Windows-1252 also
  // lacks, for each character outside the Basic Multilingual Plane.
  void MatchIcuCharacters();

  std::vector<char16_t> normalised;
};

Windows1252Encoder::Windows1252Encoder() : state_(std::make_unique<State>()) {}

Windows1252Encoder::~Windows1252Encoder() = default;

void Windows1252Encoder::Encode(std::u16string_view text, OutputBytes& output) {
  // The plain characters before the first other one, and after the last,
  // are their own normalisation form; the one before the first other one may
  // combine with it.
  auto first =
      std::find_if(text.begin(), text.end(), [](char16_t u) { return !win32::IsPlain(u); });
  if (first == text.end()) {
    AppendBmp(text, output);
    return;
  }
  if (first != text.begin()) --first;
  auto end = std::find_if(text.rbegin(), text.rend(), [](char16_t u) {
               return !win32::IsPlain(u);
             }).base();
  auto start = static_cast<std::size_t>(first - text.begin());
  auto stop = static_cast<std::size_t>(end - text.begin());
  AppendBmp(text.substr(0, start), output);
  state_->normalised.clear();
  state_->Normalise(text.substr(start, stop - start));
  state_->MatchIcuCharacters();
  AppendBmp(std::u16string_view(state_->normalised.data(), state_->normalised.size()), output);
  AppendBmp(text.substr(stop), output);
}

void Windows1252Encoder::State::Normalise(std::u16string_view text) {
  for (;;) {
    std::size_t refused = TryNormalise(text);
    if (refused == std::u16string_view::npos) return;
    // The system refuses a character that its tables lack (noncharacters,
    // for one). Such a character combines with nothing, so the text before
    // it and the text after it normalise on their own, and it stays.
    if (refused >= text.size() ||
        TryNormalise(text.substr(0, refused)) != std::u16string_view::npos) {
      throw std::runtime_error("normalising: the system refuses the text");
    }
    std::size_t width = win32::IsLeadSurrogate(text[refused]) && refused + 1 < text.size() ? 2 : 1;
    normalised.insert(normalised.end(), text.begin() + static_cast<std::ptrdiff_t>(refused),
                      text.begin() + static_cast<std::ptrdiff_t>(refused + width));
    text.remove_prefix(refused + width);
  }
}

std::size_t Windows1252Encoder::State::TryNormalise(std::u16string_view text) {
  if (text.empty()) return std::u16string_view::npos;
  std::size_t kept = normalised.size();
  // Normalisation form C makes text at most three times as long.
  std::size_t room = 3 * text.size() + 16;
  for (;;) {
    normalised.resize(kept + room);
    int length =
        NormalizeString(NormalizationC, win32::Wide(text.data()), static_cast<int>(text.size()),
                        win32::Wide(&normalised[kept]), static_cast<int>(room));
    if (length > 0) {
      normalised.resize(kept + static_cast<std::size_t>(length));
      return std::u16string_view::npos;
    }
    DWORD error = GetLastError();
    normalised.resize(kept);
    if (error == ERROR_NO_UNICODE_TRANSLATION) return static_cast<std::size_t>(-length);
    if (error != ERROR_INSUFFICIENT_BUFFER) win32::ThrowSystemError("normalising", error);
    room *= 2;
  }
}

void Windows1252Encoder::State::MatchIcuCharacters() {
  auto to = normalised.begin();
  for (auto from = normalised.begin(); from != normalised.end(); ++from) {
    char32_t c = *from;
    if (win32::IsLeadSurrogate(*from) && from + 1 != normalised.end() &&
        win32::IsTrailSurrogate(from[1])) {
      c = win32::CodePoint(*from, from[1]);
      ++from;
    }
    if (IsLeftOut(c)) continue;
    *to++ = c > 0xFFFF ? win32::ReplacementCharacter : static_cast<char16_t>(c);
  }
  normalised.erase(to, normalised.end());
}

}  // namespace frasor
