// Tells a line break that ends a sentence from one that only wraps a line.
#pragma once

#include <cstddef>
#include <span>

namespace frasor {

// A break between two non-blank lines, as the layout rules see it.
struct LineBreak {
  std::size_t lineLength;      // the line before it, without blanks at its end
  std::size_t nextWordLength;  // the first word of the line after it
  std::size_t nextLineLength;  // the line after it, without blanks at its end
  bool lineEndsWithMark;       // the line ends with . ! ? or an ellipsis (and closers)
  bool nextStartsLowercase;    // the line after it starts with a lower-case letter
  // What the words around the break tell, read only where the next line does
  // not start in lower case, since nothing else matters there.
  //
  // The line ends in a comma or in a word that cannot end a sentence ("de",
  // "a", "que"): the sentence goes on.
  bool lineEndsInsideSentence = false;
  // The line ends, after no mark, in a word that starts with a capital: a
  // name may go on in the next line ("Luiz" | "Inácio").
  bool lineEndsWithCapital = false;
  // The next line starts with a capitalised word that opens sentences and is
  // no name ("O", "Em", "Depois").
  bool nextOpensSentence = false;
  // The line ends in a full stop after an abbreviation or initial that keeps
  // the sentence open before the next word ("Sr." | "Silva").
  bool lineEndsInAbbreviation = false;
  bool lineIsOneWord = false;
  bool nextLineIsOneWord = false;
  // The line before it is the line after the previous break: no blank line
  // stands between them.
  bool followsBreak = false;
};

// Whether `nearby[index]` ends a sentence. `nearby` holds the breaks around
// it in text order (blank lines left out).
//
// First the evidence of line lengths from both sides of the break: a line
// longer than any wrapping, or a line around it (the next ones or the ones
// before, up to the next blank line) long enough to have taken the next word,
// or most lines around much longer, show that the writer broke the line: the
// break ends a sentence. Else a line that goes on in lower case, or that
// ends in a comma or a word that cannot end a sentence, goes on. Else the
// other breaks around tell whether the text is hard-wrapped (lines broken
// inside sentences) or laid out a paragraph a line; where they do not tell, a
// name wrapped to the next line goes on and a line before a word that opens
// sentences ("O", "Em") ends.
bool IsHardBreak(std::span<const LineBreak> nearby, std::size_t index);

// No more than this many breaks are looked at, the first of `nearby`.
inline constexpr std::size_t MostBreaksLookedAt = 32;

// The same, given the line lengths of the first MostBreaksLookedAt breaks of
// `nearby` in ascending order, for a caller that keeps them sorted.
bool IsHardBreak(std::span<const LineBreak> nearby, std::size_t index,
                 std::span<const std::size_t> sortedLengths);

}  // namespace frasor
