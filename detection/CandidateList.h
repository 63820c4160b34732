// The candidate occurrences of one run, in the order of the text.
#pragma once

#include <memory>
#include <string>
#include <string_view>

// The sentence of a candidate. All candidates of one line share the one
// text, so a long line is held once however many candidates it has.
using SentenceText = std::shared_ptr<const std::string>;

// One occurrence of a candidate word.
struct neo {
  std::string Term;       // the word as written in the text; never empty
  SentenceText Sentence;  // the whole line, followed by one space
  bool MaybeProperName;   // the first byte of Term is one of A to Z
  neo* Next;              // the following record; nullptr for the last
};

struct CandidateChain {
  neo* Head = nullptr;
  neo* Tail = nullptr;
};

// The process-wide list; both pointers are null when it is empty.
extern CandidateChain CandidateList;

// Appends a record for `term` (not empty) in `sentence` at the tail.
void AddCandidate(std::string_view term, SentenceText sentence);

// Releases every record; the list is empty afterwards.
void FreeCandidates();
