#include "frasor/ParagraphAssembler.h"

#include <algorithm>

#include "frasor/CharClasses.h"

namespace frasor {
namespace {

// How many breaks on each side of a break are looked at.
constexpr std::size_t BreaksAround = 8;
// Decided text is cut from the buffer once it is this long and half of it.
constexpr std::size_t CompactionThreshold = 1 << 16;

unsigned char At(const std::string& text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

}  // namespace

void ParagraphAssembler::Feed(std::string_view text) {
  std::size_t i = 0;
  if (afterCarriageReturn_ && !text.empty()) {
    if (text[0] == '\n') i = 1;
    afterCarriageReturn_ = false;
  }
  while (i < text.size()) {
    std::size_t stop = i;
    while (stop < text.size() && text[stop] != '\n' && text[stop] != '\r') ++stop;
    text_.append(text.data() + i, stop - i);
    if (stop == text.size()) break;
    EndLine();
    i = stop + 1;
    if (text[stop] == '\r') {
      if (i == text.size())
        afterCarriageReturn_ = true;
      else if (text[i] == '\n')
        ++i;
    }
  }
}

void ParagraphAssembler::Finish() {
  if (text_.size() > lineStart_) EndLine();
  if (lineOpen_) {
    pending_.push_back({openLineEnd_, true, {}});
    lineOpen_ = false;
  }
  DecideBreaks(true);
}

void ParagraphAssembler::EndLine() {
  std::size_t end = text_.size();
  while (end > lineStart_ && IsBlank(At(text_, end - 1))) --end;
  std::size_t first = lineStart_;
  while (first < end && IsBlank(At(text_, first))) ++first;
  if (first == end) {
    // A blank line ends the paragraph of the line before it.
    text_.resize(lineStart_);
    if (lineOpen_) pending_.push_back({openLineEnd_, true, {}});
    lineOpen_ = false;
    DecideBreaks(false);
    return;
  }
  std::size_t wordEnd = first;
  while (wordEnd < end && !IsBlank(At(text_, wordEnd))) ++wordEnd;
  if (lineOpen_) {
    pending_.push_back({openLineEnd_,
                        false,
                        {openLineLength_, wordEnd - first, openLineEndsWithMark_,
                         IsLowercaseLetter(At(text_, first))}});
  }
  std::size_t last = end;
  while (last > first && IsCloser(At(text_, last - 1))) --last;
  lineOpen_ = true;
  openLineEnd_ = text_.size();
  openLineLength_ = end - lineStart_;
  openLineEndsWithMark_ = last > first && IsSentenceMark(At(text_, last - 1));
  text_.push_back('\n');  // the placeholder of the break after the line
  lineStart_ = text_.size();
  DecideBreaks(false);
}

void ParagraphAssembler::DecideBreaks(bool textEnded) {
  while (!pending_.empty() && (textEnded || pending_.size() > BreaksAround)) {
    Separator front = pending_.front();
    bool hard = front.afterBlankLine || IsHard(0);
    if (!front.afterBlankLine) {
      decided_.push_back(front.lineBreak);
      if (decided_.size() > BreaksAround) decided_.pop_front();
    }
    pending_.pop_front();
    if (hard) {
      EmitParagraph(front.position);
    } else {
      text_[front.position] = ' ';
    }
  }
  Compact();
}

bool ParagraphAssembler::IsHard(std::size_t separator) {
  nearby_.assign(decided_.begin(), decided_.end());
  std::size_t index = nearby_.size();
  for (std::size_t i = separator; i < pending_.size(); ++i) {
    if (!pending_[i].afterBlankLine) nearby_.push_back(pending_[i].lineBreak);
  }
  return IsHardBreak(nearby_, index);
}

void ParagraphAssembler::EmitParagraph(std::size_t end) {
  sink_(std::string_view(text_).substr(paragraphStart_, end - paragraphStart_));
  paragraphStart_ = end + 1;
}

void ParagraphAssembler::Compact() {
  if (paragraphStart_ < CompactionThreshold || paragraphStart_ * 2 < text_.size()) return;
  std::size_t cut = paragraphStart_;
  text_.erase(0, cut);
  paragraphStart_ = 0;
  lineStart_ -= cut;
  if (lineOpen_) openLineEnd_ -= cut;
  for (Separator& separator : pending_) separator.position -= cut;
}

}  // namespace frasor
