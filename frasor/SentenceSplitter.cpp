#include "frasor/SentenceSplitter.h"

#include <cstddef>

#include "frasor/Abbreviations.h"
#include "frasor/CharClasses.h"

namespace frasor {
namespace {

unsigned char At(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

// ( [ { " ' ‘ “ « ¡ ¿: what may stand before the first letter of a word.
bool IsOpener(unsigned char ch) {
  return ch == '(' || ch == '[' || ch == '{' || ch == '"' || ch == '\'' || ch == 0x91 ||
         ch == 0x93 || ch == 0xAB || ch == 0xA1 || ch == 0xBF;
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

// Whether the marks [mark, markEnd) and the closers up to `end` end the
// sentence begun at `start`, given where the text goes on after the blank.
bool EndsSentence(std::string_view text, std::size_t start, BracketDepth& brackets,
                  std::size_t mark, std::size_t markEnd, std::size_t end, std::size_t next) {
  if (ContinuesSentence(At(text, next)) || OpensSentence(text, start, mark)) return false;
  if (IsInsideBrackets(text, brackets, end)) return false;
  bool singleFullStop = markEnd - mark == 1 && text[mark] == '.';
  if (!singleFullStop) return true;
  return !KeepsSentenceOpen(WordBefore(text, start, mark), WordAt(text, next));
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
