#include "detection/CandidateList.h"

#include <utility>

CandidateChain CandidateList;

void AddCandidate(std::string_view term, SentenceText sentence) {
  bool maybeProperName = term.front() >= 'A' && term.front() <= 'Z';
  neo* record = new neo{std::string(term), std::move(sentence), maybeProperName, nullptr};
  if (CandidateList.Tail == nullptr) {
    CandidateList.Head = record;
  } else {
    CandidateList.Tail->Next = record;
  }
  CandidateList.Tail = record;
}

void FreeCandidates() {
  neo* record = CandidateList.Head;
  while (record != nullptr) {
    neo* next = record->Next;
    delete record;
    record = next;
  }
  CandidateList.Head = nullptr;
  CandidateList.Tail = nullptr;
}
