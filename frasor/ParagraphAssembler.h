// Joins the lines of a text into paragraphs: runs of text that no blank line
// and no hard line break interrupt, with wrapped line breaks as spaces.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "frasor/LineBreakClassifier.h"

namespace frasor {

using ParagraphSink = std::function<void(std::string_view paragraph)>;

class ParagraphAssembler {
 public:
  explicit ParagraphAssembler(ParagraphSink sink) : sink_(std::move(sink)) {}

  // Takes the next piece of the text (Windows-1252). Lines end at CR, LF or
  // CR LF, which may fall between two pieces.
  void Feed(std::string_view text);

  // Ends the text: every paragraph not yet handed on goes to the sink.
  void Finish();

 private:
  // The place of a line break in text_ whose kind is known (a blank line
  // followed) or still to be decided from the breaks around it, which are
  // those of breaks_ from firstUndecided_ on, in the same order.
  struct Separator {
    std::size_t position;
    bool afterBlankLine;
  };

  void EndLine();
  // The last word of the open line, read where it matters only.
  std::string_view OpenLineLastWord() const;
  void DecideBreaks(bool textEnded);
  std::span<const std::size_t> SortedLengths(std::size_t first, std::size_t end);
  void EmitParagraph(std::size_t end);
  void Compact();

  ParagraphSink sink_;
  // The current paragraph from paragraphStart_, then the lines whose breaks
  // are undecided (each followed by a placeholder byte at its separator),
  // then the line being read from lineStart_.
  std::string text_;
  std::size_t paragraphStart_ = 0;
  std::size_t lineStart_ = 0;
  bool afterCarriageReturn_ = false;
  // The last complete non-blank line, while no blank line has followed it.
  bool lineOpen_ = false;
  std::size_t openLineEnd_ = 0;
  std::size_t openLineLength_ = 0;
  bool openLineEndsWithMark_ = false;
  bool openLineIsOneWord_ = false;
  // A break stands between the open line and the line before it.
  bool openLineFollowsBreak_ = false;
  // How many blanks end the open line, before openLineEnd_.
  std::size_t openLineTrailingBlanks_ = 0;

  std::deque<Separator> pending_;
  // The breaks between non-blank lines in text order: the latest decided
  // ones, as context, then the undecided ones from firstUndecided_. Those
  // that a decision looks at are side by side, and are not copied.
  std::vector<LineBreak> breaks_;
  std::size_t firstUndecided_ = 0;
  // The line lengths of breaks_[windowFirst_, windowEnd_) in ascending
  // order: from one decision to the next, a few come and go.
  std::vector<std::size_t> sortedLengths_;
  std::size_t windowFirst_ = 0;
  std::size_t windowEnd_ = 0;
};

}  // namespace frasor
