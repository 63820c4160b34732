// Tells a line break that ends a sentence from one that only wraps a line.
#pragma once

#include <cstddef>
#include <span>

namespace frasor {

// A break between two non-blank lines, as the layout rules see it.
struct LineBreak {
  std::size_t lineLength;      // the line before it, without blanks at its end
  std::size_t nextWordLength;  // the first word of the line after it
  bool lineEndsWithMark;       // the line ends with . ! ? or an ellipsis (and closers)
  bool nextStartsLowercase;    // the line after it starts with a lower-case letter
};

// Whether `nearby[index]` ends a sentence. `nearby` holds the breaks around
// it in text order (blank lines left out); they show whether the text is
// hard-wrapped at a fixed width, where a break is a space unless its line is
// short and the next goes on in upper case, or laid out one paragraph per
// line, where every break ends a sentence. With too few breaks to tell, a
// line that goes on in lower case after no mark is continued.
bool IsHardBreak(std::span<const LineBreak> nearby, std::size_t index);

// No more than this many breaks are looked at, the first of `nearby`.
inline constexpr std::size_t MostBreaksLookedAt = 32;

// The same, given the line lengths of the first MostBreaksLookedAt breaks of
// `nearby` in ascending order, for a caller that keeps them sorted.
bool IsHardBreak(std::span<const LineBreak> nearby, std::size_t index,
                 std::span<const std::size_t> sortedLengths);

}  // namespace frasor
