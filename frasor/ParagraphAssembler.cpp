#include "frasor/ParagraphAssembler.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

#include "frasor/Abbreviations.h"
#include "frasor/CharClasses.h"
#include "frasor/Words.h"

namespace frasor {
namespace {

// How many breaks on each side of a break are looked at.
constexpr std::size_t BreaksAround = 8;
// Decided text is cut from the buffer once it is this long and half of it.
constexpr std::size_t CompactionThreshold = 1 << 16;
// Decided breaks are dropped, all but the latest, once there are this many.
constexpr std::size_t BreaksCompactionThreshold = 1 << 12;

unsigned char At(const std::string& text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

// The first CR or LF in [at, end), or `end`; eight bytes at a time.
const char* FindLineEnd(const char* at, const char* end) {
  constexpr std::uint64_t Ones = 0x0101010101010101;
  constexpr std::uint64_t HighBits = 0x8080808080808080;
  while (end - at >= 8) {
    std::uint64_t word;
    std::memcpy(&word, at, 8);
    // A byte of lf or cr is zero where the word holds LF or CR; the lowest
    // flagged byte of each is its first zero one.
    std::uint64_t lf = word ^ (Ones * '\n');
    std::uint64_t cr = word ^ (Ones * '\r');
    std::uint64_t found = (((lf - Ones) & ~lf) | ((cr - Ones) & ~cr)) & HighBits;
    if (found != 0) return at + std::countr_zero(found) / 8;
    at += 8;
  }
  while (at < end && *at != '\n' && *at != '\r') ++at;
  return at;
}

// The word without the openers before it.
std::string_view WithoutOpeners(std::string_view word) {
  while (!word.empty() && IsOpener(static_cast<unsigned char>(word.front()))) word.remove_prefix(1);
  return word;
}

// A word that starts with a capital and ends in a letter: "Luiz", not "(SP)".
bool IsCapitalisedWord(std::string_view word) {
  word = WithoutOpeners(word);
  return !word.empty() && IsUppercaseLetter(static_cast<unsigned char>(word.front())) &&
         IsLetter(static_cast<unsigned char>(word.back()));
}

// A capitalised word that opens sentences and is no name ("O", "Em,"), not
// an initial or abbreviation ("A.", "Sr.").
bool OpensSentence(std::string_view word) {
  word = WithoutOpeners(word);
  if (word.empty() || !IsUppercaseLetter(static_cast<unsigned char>(word.front()))) return false;
  // Not in capitals throughout, which tell nothing: "ESTA", "QUEM".
  if (word.size() > 1 && !IsLowercaseLetter(static_cast<unsigned char>(word[1]))) return false;
  if (word.back() == '.') return false;
  while (!IsLetter(static_cast<unsigned char>(word.back()))) word.remove_suffix(1);
  return IsSentenceOpener(word);
}

// Sets what the words on both sides of a break tell, where the next line
// does not open in lower case: elsewhere the classifier does not read them.
void ReadWordsAround(LineBreak& lineBreak, std::string_view lastWord, std::string_view firstWord) {
  lineBreak.lineEndsInsideSentence = lastWord.back() == ',' || CannotEndSentence(lastWord);
  if (lineBreak.lineEndsInsideSentence) return;
  if (!lineBreak.lineEndsWithMark) {
    lineBreak.lineEndsWithCapital = IsCapitalisedWord(lastWord);
    lineBreak.nextOpensSentence = OpensSentence(firstWord);
    return;
  }
  // A single full stop right after the last word: "Sr.", "S.", "H.R.".
  std::size_t size = lastWord.size();
  if (size >= 2 && lastWord.back() == '.' &&
      !IsSentenceMark(static_cast<unsigned char>(lastWord[size - 2]))) {
    lineBreak.lineEndsInAbbreviation =
        KeepsSentenceOpen(WithoutOpeners(lastWord.substr(0, size - 1)), firstWord);
  }
}

}  // namespace

void ParagraphAssembler::Feed(std::string_view text) {
  std::size_t i = 0;
  if (afterCarriageReturn_ && !text.empty()) {
    if (text[0] == '\n') i = 1;
    afterCarriageReturn_ = false;
  }
  while (i < text.size()) {
    auto stop = static_cast<std::size_t>(FindLineEnd(text.data() + i, text.data() + text.size()) -
                                         text.data());
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
    pending_.push_back({openLineEnd_, true});
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
    if (lineOpen_) pending_.push_back({openLineEnd_, true});
    lineOpen_ = false;
    DecideBreaks(false);
    return;
  }
  std::size_t wordEnd = first;
  while (wordEnd < end && !IsBlank(At(text_, wordEnd))) ++wordEnd;
  std::string_view firstWord(text_.data() + first, wordEnd - first);
  if (lineOpen_) {
    pending_.push_back({openLineEnd_, false});
    LineBreak lineBreak{openLineLength_, wordEnd - first, end - lineStart_, openLineEndsWithMark_,
                        IsLowercaseLetter(At(text_, first))};
    if (!lineBreak.nextStartsLowercase) ReadWordsAround(lineBreak, OpenLineLastWord(), firstWord);
    lineBreak.lineIsOneWord = openLineIsOneWord_;
    lineBreak.nextLineIsOneWord = wordEnd == end;
    lineBreak.followsBreak = openLineFollowsBreak_;
    breaks_.push_back(lineBreak);
  }
  openLineFollowsBreak_ = lineOpen_;
  std::size_t last = end;
  while (last > first && IsCloser(At(text_, last - 1))) --last;
  lineOpen_ = true;
  openLineEnd_ = text_.size();
  openLineLength_ = end - lineStart_;
  openLineIsOneWord_ = wordEnd == end;
  openLineEndsWithMark_ = last > first && IsSentenceMark(At(text_, last - 1));
  openLineTrailingBlanks_ = openLineEnd_ - end;
  text_.push_back('\n');  // the placeholder of the break after the line
  lineStart_ = text_.size();
  DecideBreaks(false);
}

std::string_view ParagraphAssembler::OpenLineLastWord() const {
  std::size_t end = openLineEnd_ - openLineTrailingBlanks_;
  std::size_t begin = end;
  // Back to a blank, to the placeholder of the break before the line, or to
  // the start of the paragraph; the line is not blank, so a word ends it.
  while (begin > paragraphStart_ && !IsBlank(At(text_, begin - 1)) && text_[begin - 1] != '\n') {
    --begin;
  }
  return std::string_view(text_).substr(begin, end - begin);
}

void ParagraphAssembler::DecideBreaks(bool textEnded) {
  while (!pending_.empty() && (textEnded || pending_.size() > BreaksAround)) {
    Separator front = pending_.front();
    bool hard = front.afterBlankLine;
    if (!front.afterBlankLine) {
      std::size_t first = firstUndecided_ - std::min(firstUndecided_, BreaksAround);
      std::span<const LineBreak> nearby(breaks_.data() + first, breaks_.size() - first);
      if (nearby.size() <= MostBreaksLookedAt) {
        hard = IsHardBreak(nearby, firstUndecided_ - first, SortedLengths(first, breaks_.size()));
      } else {
        hard = IsHardBreak(nearby, firstUndecided_ - first);
      }
      ++firstUndecided_;
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

// The line lengths of breaks_[first, end), sorted, from those of the
// previous window, which starts no later and ends no later.
std::span<const std::size_t> ParagraphAssembler::SortedLengths(std::size_t first, std::size_t end) {
  if (first >= windowEnd_) {
    sortedLengths_.clear();
    windowFirst_ = windowEnd_ = first;
  }
  for (; windowFirst_ < first; ++windowFirst_) {
    auto gone = std::lower_bound(sortedLengths_.begin(), sortedLengths_.end(),
                                 breaks_[windowFirst_].lineLength);
    sortedLengths_.erase(gone);
  }
  for (; windowEnd_ < end; ++windowEnd_) {
    std::size_t length = breaks_[windowEnd_].lineLength;
    sortedLengths_.insert(std::upper_bound(sortedLengths_.begin(), sortedLengths_.end(), length),
                          length);
  }
  return sortedLengths_;
}

void ParagraphAssembler::EmitParagraph(std::size_t end) {
  sink_(std::string_view(text_).substr(paragraphStart_, end - paragraphStart_));
  paragraphStart_ = end + 1;
}

void ParagraphAssembler::Compact() {
  if (firstUndecided_ >= BreaksCompactionThreshold) {
    // Those of the last window stay, to leave it when the next is taken.
    std::size_t cut = std::min(firstUndecided_ - BreaksAround, windowFirst_);
    breaks_.erase(breaks_.begin(), breaks_.begin() + static_cast<std::ptrdiff_t>(cut));
    firstUndecided_ -= cut;
    windowFirst_ -= cut;
    windowEnd_ -= cut;
  }
  if (paragraphStart_ < CompactionThreshold || paragraphStart_ * 2 < text_.size()) return;
  std::size_t cut = paragraphStart_;
  text_.erase(0, cut);
  paragraphStart_ = 0;
  lineStart_ -= cut;
  if (lineOpen_) openLineEnd_ -= cut;
  for (Separator& separator : pending_) separator.position -= cut;
}

}  // namespace frasor
