#include "frasor/SentenceSplitter.h"

#include <cstddef>

#include "frasor/Abbreviations.h"
#include "frasor/CharClasses.h"

namespace frasor {
namespace {

unsigned char At(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

// What goes on with the same sentence after a mark and a blank: a word in
// lower case, a comma and its kin, an ordinal indicator ("B. º"), a closing
// bracket or quote that cannot open, or more marks ("Sim . . .").
bool ContinuesSentence(unsigned char ch) {
  if (IsLowercaseLetter(ch) || IsSentenceMark(ch)) return true;
  if (ch == 0xAA || ch == 0xBA) return true;
  if (ch == ',' || ch == ';' || ch == ':') return true;
  return IsCloser(ch) && ch != '"' && ch != '\'';
}

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
  while (i < text.size() && IsBlank(At(text, i))) ++i;
  return i;
}

// The word that ends right before the mark at `mark`.
std::string_view WordBefore(std::string_view text, std::size_t start, std::size_t mark) {
  std::size_t begin = mark;
  while (begin > start && !IsBlank(At(text, begin - 1)) && !IsOpener(At(text, begin - 1))) --begin;
  return text.substr(begin, mark - begin);
}

// "(...)" and "[...]" stand for left-out text inside a sentence.
bool IsBracketedOmission(std::string_view text, std::size_t mark, std::size_t markEnd) {
  if (mark == 0 || markEnd == text.size()) return false;
  unsigned char before = At(text, mark - 1);
  unsigned char after = At(text, markEnd);
  return (before == '(' && after == ')') || (before == '[' && after == ']');
}

// Marks after nothing but openers ('"... Diz-se') open a sentence.
bool OpensSentence(std::string_view text, std::size_t start, std::size_t mark) {
  std::size_t i = mark;
  while (i > start && IsOpener(At(text, i - 1))) --i;
  return i == start;
}

// How deep in brackets the text of a sentence is, counted up to `counted`
// and carried on from there, since marks are looked at from left to right.
struct BracketDepth {
  std::size_t counted;
  int depth = 0;

  void CountTo(std::string_view text, std::size_t end) {
    for (; counted < end; ++counted) {
      if (text[counted] == '(') ++depth;
      if (text[counted] == ')' && depth > 0) --depth;
    }
  }
};

// Within this distance of an open bracket its closing one is looked for.
constexpr std::size_t BracketReach = 80;

// Inside brackets opened in the sentence and closed soon after the marks,
// as in "(séc. III e IV)". `brackets` counts from the sentence's start.
bool IsInsideBrackets(std::string_view text, BracketDepth& brackets, std::size_t end) {
  brackets.CountTo(text, end);
  if (brackets.depth == 0) return false;
  std::string_view after = text.substr(end, BracketReach);
  std::size_t close = after.find(')');
  return close != std::string_view::npos &&
         after.substr(0, close).find('(') == std::string_view::npos;
}

std::string_view WordAt(std::string_view text, std::size_t begin) {
  std::size_t end = begin;
  while (end < text.size() && !IsBlank(At(text, end))) ++end;
  return text.substr(begin, end - begin);
}

// The length of the dialogue dash at `at` ("--", "-", "–" or "—" before a
// blank, a comma and its kin, or the end), or 0.
std::size_t DashLength(std::string_view text, std::size_t at) {
  std::size_t end = at;
  while (end < text.size() && end - at < 2 &&
         (text[end] == '-' || At(text, end) == 0x96 || At(text, end) == 0x97)) {
    ++end;
  }
  if (end == at) return 0;
  if (end == text.size()) return end - at;
  unsigned char after = At(text, end);
  return IsBlank(after) || after == ',' || after == ';' || after == ':' ? end - at : 0;
}

// After "!", "?" or an ellipsis, a dialogue dash followed by a lower-case
// word, by punctuation that goes on, or by nothing carries on the sentence:
// "E voltou! -- mesmo sem", "Vens? -- perguntou ela", "Que surpresa! --, e".
bool DashContinuesSentence(std::string_view text, std::size_t next) {
  std::size_t dash = DashLength(text, next);
  if (dash == 0) return false;
  std::size_t after = SkipBlanks(text, next + dash);
  if (after == text.size()) return true;
  unsigned char ch = At(text, after);
  return IsLowercaseLetter(ch) || ch == ',' || ch == ';' || ch == ':';
}

// Whether `word`, which opens the sentence begun at `start` and ends at the
// full stop before `next`, is a speaker's label that belongs to what follows:
// initials ("P.", "R.", "J.S.R.") before a dialogue dash, or one capital at
// the start of the paragraph ("P. Como vê o futuro?").
bool IsSpeakerLabel(std::string_view text, std::string_view word, std::size_t start,
                    std::size_t next) {
  if (word.size() > 5 || !IsInitials(word)) return false;
  return DashLength(text, next) != 0 || (word.size() == 1 && start == SkipBlanks(text, 0));
}

// Whether `word`, which opens a sentence before a full stop, is the number of
// an item of a list, which opens the sentence of the item: "1. O jornal veio".
bool IsListNumber(std::string_view word) {
  if (word.empty() || word.size() > 2) return false;
  for (char c : word) {
    if (!IsDigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

// Whether the marks [mark, markEnd) and the closers up to `end` end the
// sentence begun at `start`, given where the text goes on after the blank.
bool EndsSentence(std::string_view text, std::size_t start, BracketDepth& brackets,
                  std::size_t mark, std::size_t markEnd, std::size_t end, std::size_t next) {
  if (ContinuesSentence(At(text, next)) || OpensSentence(text, start, mark)) return false;
  if (IsInsideBrackets(text, brackets, end)) return false;
  bool singleFullStop = markEnd - mark == 1 && text[mark] == '.';
  if (!singleFullStop) return !DashContinuesSentence(text, next);
  // A closing bracket or quote after the stop ends what the abbreviation
  // stood in: "(210 págs.) Custa".
  if (end != markEnd) return true;
  std::string_view word = WordBefore(text, start, mark);
  bool opensSentence = mark - word.size() == start;
  if (opensSentence && (IsSpeakerLabel(text, word, start, next) || IsListNumber(word))) {
    return false;
  }
  return !KeepsSentenceOpen(word, WordAt(text, next));
}

void Emit(std::string_view sentence, const SentenceSink& sink) {
  while (!sentence.empty() && IsBlank(static_cast<unsigned char>(sentence.back()))) {
    sentence.remove_suffix(1);
  }
  if (!sentence.empty()) sink(sentence);
}

}  // namespace

void SplitSentences(std::string_view paragraph, const SentenceSink& sink) {
  const std::size_t size = paragraph.size();
  std::size_t start = SkipBlanks(paragraph, 0);
  BracketDepth brackets{start};
  std::size_t i = start;
  while (i < size) {
    if (!IsSentenceMark(At(paragraph, i))) {
      ++i;
      continue;
    }
    std::size_t markEnd = i;
    while (markEnd < size && IsSentenceMark(At(paragraph, markEnd))) ++markEnd;
    std::size_t end = markEnd;
    while (end < size && IsCloser(At(paragraph, end))) ++end;
    // Marks inside a token ("3.5", "www.ufrj.br", "Sim!...") or at the end.
    if (end == size || !IsBlank(At(paragraph, end)) || IsBracketedOmission(paragraph, i, markEnd)) {
      i = end;
      continue;
    }
    std::size_t next = SkipBlanks(paragraph, end);
    if (next < size && EndsSentence(paragraph, start, brackets, i, markEnd, end, next)) {
      Emit(paragraph.substr(start, end - start), sink);
      start = next;
      brackets = BracketDepth{start};
    }
    i = next;
  }
  Emit(paragraph.substr(start), sink);
}

}  // namespace frasor
