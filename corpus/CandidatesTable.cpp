#include "corpus/CandidatesTable.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "corpus/Utf8Text.h"
#include "platform/FileSystem.h"
#include "platform/ReplacementFile.h"
#include "platform/TextFile.h"

namespace corpus {
namespace {

// A field with no tab or line break left to break the table.
std::string Field(std::string text) {
  std::replace_if(
      text.begin(), text.end(),
      [](char byte) { return byte == '\t' || byte == '\r' || byte == '\n'; }, ' ');
  return text;
}

std::string OtherForms(const CandidateRow& row) {
  std::vector<std::pair<std::uint64_t, std::string>> others;
  for (const auto& [form, count] : row.data.forms) {
    if (form != row.word) others.emplace_back(count, form);
  }
  std::stable_sort(others.begin(), others.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::string joined;
  for (const auto& [count, form] : others) {
    if (!joined.empty()) joined += '|';
    joined += form;
  }
  return joined;
}

}  // namespace

std::string DateText(Date date) {
  if (date == 0) return {};
  char text[16];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u", static_cast<unsigned>(date / 10000),
                static_cast<unsigned>(date / 100 % 100), static_cast<unsigned>(date % 100));
  return text;
}

void WriteCandidatesTable(const std::string& path, const CorpusResult& result) {
  platform::ReplacementFile replacement(path);
  platform::OutputFile& output = replacement.File();
  output.Write(
      "palavra\tclasse\tfrequencia\tdocumentos\tprimeiro_documento\tformas\tcontexto\t"
      "grafia_sugerida\tprimeira_data\tultima_data\tmotivo\tdecisao\tnota\n");
  std::string line;
  for (const CandidateRow& row : result.rows) {
    const CorpusWord& data = row.data;
    std::string firstDocument = data.firstDocument < result.documents.size()
                                    ? result.documents[data.firstDocument].name
                                    : std::string();
    line.clear();
    line += Field(Utf8FromWindows1252(row.word)) + '\t';
    line += std::string(ClassName(row.classification.wordClass)) + '\t';
    line += std::to_string(data.frequency) + '\t';
    line += std::to_string(data.documents) + '\t';
    line += Field(Utf8FromSystemName(firstDocument)) + '\t';
    line += Field(Utf8FromWindows1252(OtherForms(row))) + '\t';
    line += Field(data.contexts.empty() ? std::string()
                                        : Utf8FromWindows1252(data.contexts.front().sentence));
    line += '\t';
    line += Field(Utf8FromWindows1252(row.classification.suggestion)) + '\t';
    line += DateText(data.firstDate) + '\t';
    line += DateText(data.lastDate) + '\t';
    line += Field(Utf8FromWindows1252(row.classification.reason)) + '\t';
    line += Field(row.decision) + '\t';
    line += Field(Utf8FromWindows1252(row.note)) + '\n';
    output.Write(line);
  }
  output.Close();
  replacement.Commit();
}

}  // namespace corpus
