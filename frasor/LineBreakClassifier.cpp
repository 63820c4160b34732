#include "frasor/LineBreakClassifier.h"

#include <algorithm>
#include <array>

namespace frasor {
namespace {

// Fewer breaks than this tell nothing about the width of the text.
constexpr std::size_t FewestBreaksForWidth = 3;
// Plain text is wrapped at 60 to 80 columns, seldom above 132 or below 30;
// longer lines are paragraphs, and shorter ones the items of a list.
constexpr std::size_t WidestWrapping = 200;
constexpr std::size_t NarrowestWrapping = 30;
constexpr std::size_t LongestWrapped = 132;
// How much room a wrapped line may leave at its end: tools that even out
// the lines of a paragraph, and writers who wrap by hand, leave some.
constexpr std::size_t WrappingSlack = 8;

// The lengths of the nearby lines, sorted.
class SortedLengths {
 public:
  explicit SortedLengths(std::span<const std::size_t> sorted) : sorted_(sorted) {}

  // The length that `rank` (0 to 1) of the lines do not exceed.
  std::size_t AtRank(double rank) const {
    return sorted_[static_cast<std::size_t>(static_cast<double>(sorted_.size() - 1) * rank)];
  }

 private:
  std::span<const std::size_t> sorted_;
};

// A line of more than one word, at least `needed` long.
bool IsAtLeast(std::size_t length, bool oneWord, std::size_t needed) {
  return !oneWord && length >= needed;
}

// Whether the line before `nearby[i]` is shorter than wrapping would have
// left it: it is too long for wrapping, or its next word would have fitted
// in the width of the lines around (`width`, or 0 where unknown) or of a
// line near it in the same paragraph, before or after it. Lines of one word
// tell nothing: a word longer than the width stands alone.
bool IsShortLine(std::span<const LineBreak> nearby, std::size_t i, std::size_t width) {
  const LineBreak& lineBreak = nearby[i];
  if (lineBreak.lineLength > WidestWrapping) return true;
  std::size_t needed = lineBreak.lineLength + 1 + lineBreak.nextWordLength + WrappingSlack;
  if (width != 0 && needed <= width) return true;
  if (IsAtLeast(lineBreak.nextLineLength, lineBreak.nextLineIsOneWord, needed)) return true;
  if (i + 1 < nearby.size() && nearby[i + 1].followsBreak &&
      IsAtLeast(nearby[i + 1].nextLineLength, nearby[i + 1].nextLineIsOneWord, needed)) {
    return true;
  }
  if (i >= 1 && lineBreak.followsBreak) {
    const LineBreak& before = nearby[i - 1];
    if (IsAtLeast(before.lineLength, before.lineIsOneWord, needed)) return true;
    if (i >= 2 && before.followsBreak &&
        IsAtLeast(nearby[i - 2].lineLength, nearby[i - 2].lineIsOneWord, needed)) {
      return true;
    }
  }
  return false;
}

// The sentence goes on in the next line, whatever the layout.
bool GoesOn(const LineBreak& lineBreak) {
  return lineBreak.nextStartsLowercase || lineBreak.lineEndsInsideSentence;
}

}  // namespace

bool IsHardBreak(std::span<const LineBreak> nearby, std::size_t index) {
  // They are few: sorting them by insertion is the fastest way.
  std::array<std::size_t, MostBreaksLookedAt> sorted;
  std::size_t count = std::min(nearby.size(), sorted.size());
  for (std::size_t i = 0; i < count; ++i) {
    std::size_t length = nearby[i].lineLength;
    std::size_t j = i;
    for (; j > 0 && sorted[j - 1] > length; --j) sorted[j] = sorted[j - 1];
    sorted[j] = length;
  }
  return IsHardBreak(nearby, index, std::span<const std::size_t>(sorted.data(), count));
}

bool IsHardBreak(std::span<const LineBreak> nearby, std::size_t index,
                 std::span<const std::size_t> sortedLengths) {
  const LineBreak& lineBreak = nearby[index];
  // Near the longest line, but not stretched by one long line.
  std::size_t width = 0;
  if (nearby.size() >= FewestBreaksForWidth) width = SortedLengths(sortedLengths).AtRank(0.9);
  bool shortLine = IsShortLine(nearby, index, width);
  // Lines longer than wrapping makes them: a paragraph a line.
  bool perLineLayout =
      lineBreak.lineLength > LongestWrapped ||
      (!lineBreak.nextLineIsOneWord && lineBreak.nextLineLength > LongestWrapped) ||
      width > LongestWrapped;
  if (perLineLayout) return true;
  if (GoesOn(lineBreak)) return false;
  if (shortLine) return true;
  // The items of a list.
  if (width != 0 && width < NarrowestWrapping) return true;
  // The line is full and the sentence may end at its end. The other breaks
  // tell whether the text is hard-wrapped: its lines are full and go on
  // inside sentences; or laid out a paragraph a line: its lines are short.
  std::size_t wrapped = 0, perLine = 0;
  for (std::size_t i = 0; i < nearby.size(); ++i) {
    if (i == index) continue;
    if (IsShortLine(nearby, i, width)) {
      ++perLine;
    } else if (GoesOn(nearby[i])) {
      ++wrapped;
    }
  }
  if (wrapped != perLine) return perLine > wrapped;
  // Where they do not tell: a word that opens sentences after a line without
  // a final mark starts a new one.
  if (!lineBreak.lineEndsWithMark && lineBreak.nextOpensSentence) return true;
  if (lineBreak.lineEndsWithMark) return !lineBreak.lineEndsInAbbreviation;
  return !lineBreak.lineEndsWithCapital || lineBreak.lineLength < NarrowestWrapping;
}

}  // namespace frasor
