#include "corpus/CandidateRows.h"

#include <algorithm>

namespace corpus {

std::string MostFrequentForm(const CorpusWord& word) {
  auto most = std::max_element(word.forms.begin(), word.forms.end(),
                               [](const auto& a, const auto& b) { return a.second < b.second; });
  return most == word.forms.end() ? std::string() : most->first;
}

std::vector<CandidateRow> BuildRows(CorpusTable&& table, const Classifier& classifier,
                                    const Decisions& decisions) {
  std::vector<CandidateRow> rows;
  rows.reserve(table.size());
  for (auto& [key, data] : table) {
    CandidateRow row;
    row.word = MostFrequentForm(data);
    row.classification = classifier.Classify(row.word, data);
    row.data = std::move(data);
    if (auto decided = decisions.find(key); decided != decisions.end()) {
      row.decision = decided->second.decision;
      row.note = decided->second.note;
      row.decisionDate = decided->second.date;
    }
    rows.push_back(std::move(row));
  }
  std::sort(rows.begin(), rows.end(), [](const CandidateRow& a, const CandidateRow& b) {
    if (a.data.frequency != b.data.frequency) return a.data.frequency > b.data.frequency;
    return a.word < b.word;
  });
  table.clear();
  return rows;
}

std::vector<Decision> DecisionsWithoutRows(const CorpusTable& table, const Decisions& decisions) {
  std::vector<Decision> without;
  for (const auto& [key, decision] : decisions) {
    if (!table.contains(key)) without.push_back(decision);
  }
  return without;
}

}  // namespace corpus
