#include "frasor/LineBreakClassifier.h"

#include <algorithm>
#include <array>

namespace frasor {
namespace {

// Fewer breaks than this tell nothing about the layout.
constexpr std::size_t FewestBreaksForWrapping = 3;
constexpr std::size_t MostBreaksLookedAt = 32;
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
  // They are few: sorting them by insertion is the fastest way, and only
  // the first count_ of them are ever written or read.
  explicit SortedLengths(std::span<const LineBreak> nearby)
      : count_(std::min(nearby.size(), lengths_.size())) {
    for (std::size_t i = 0; i < count_; ++i) {
      std::size_t length = nearby[i].lineLength;
      std::size_t j = i;
      for (; j > 0 && lengths_[j - 1] > length; --j) lengths_[j] = lengths_[j - 1];
      lengths_[j] = length;
    }
  }

  // The length that `rank` (0 to 1) of the lines do not exceed.
  std::size_t AtRank(double rank) const {
    return lengths_[static_cast<std::size_t>(static_cast<double>(count_ - 1) * rank)];
  }

 private:
  std::array<std::size_t, MostBreaksLookedAt> lengths_;
  std::size_t count_;
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
  const LineBreak& lineBreak = nearby[index];
  SortedLengths lengths(nearby);
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
