#include "frasor/LineBreakClassifier.h"

#include <algorithm>
#include <array>

namespace frasor {
namespace {

// Fewer breaks than this tell nothing about the layout.
constexpr std::size_t FewestBreaksForWrapping = 3;
// Plain text is wrapped at 60 to 80 columns, seldom above 132 or below 30;
// longer lines are paragraphs, and shorter ones the items of a list.
constexpr std::size_t WidestWrapping = 200;
constexpr std::size_t NarrowestWrapping = 30;

bool FallsInsideSentence(const LineBreak& lineBreak) {
  return !lineBreak.lineEndsWithMark || lineBreak.nextStartsLowercase;
}

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

// A line is full when its next word would not have fitted in `width`.
bool IsFull(const LineBreak& lineBreak, std::size_t width) {
  return lineBreak.lineLength + 1 + lineBreak.nextWordLength > width;
}

enum class Layout { Unknown, HardWrapped, ParagraphPerLine };

// Hard-wrapped text breaks most of its lines inside sentences, and most of
// them are full at a width of common use. Text with a paragraph per line
// breaks them after a mark, except after headings, or has lines too long
// for wrapping; a list has lines of any length.
Layout LayoutOf(std::span<const LineBreak> nearby, const SortedLengths& lengths) {
  if (nearby.size() < FewestBreaksForWrapping) {
    bool tooLong = lengths.AtRank(1) > WidestWrapping;
    return tooLong ? Layout::ParagraphPerLine : Layout::Unknown;
  }
  // Near the longest line, but not stretched by one unbreakable word.
  std::size_t width = lengths.AtRank(0.9);
  if (width > WidestWrapping || width < NarrowestWrapping) return Layout::ParagraphPerLine;
  std::size_t inside = 0, full = 0;
  for (const LineBreak& lineBreak : nearby) {
    inside += FallsInsideSentence(lineBreak);
    full += IsFull(lineBreak, width);
  }
  bool wrapped = inside * 2 > nearby.size() && full * 2 > nearby.size();
  return wrapped ? Layout::HardWrapped : Layout::ParagraphPerLine;
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
  SortedLengths lengths(sortedLengths);
  switch (LayoutOf(nearby, lengths)) {
    case Layout::ParagraphPerLine:
      return true;
    case Layout::Unknown:
      return !lineBreak.nextStartsLowercase || lineBreak.lineEndsWithMark;
    case Layout::HardWrapped:
      break;
  }
  if (lineBreak.nextStartsLowercase) return false;
  // A short line: its next word would have fitted, so the writer broke it.
  // The width guessed from the median is rather too small than too large: too
  // small only hides a short line, too large would break full ones.
  return !IsFull(lineBreak, lengths.AtRank(0.5));
}

}  // namespace frasor
