#include "corpus/CandidatesPage.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "corpus/ScriptJson.h"
#include "corpus/Utf8Text.h"
#include "corpus/page/PageTemplate.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/ReplacementFile.h"
#include "platform/TextFile.h"

namespace corpus {
namespace {

// The classes as the page lists them; a row names its class by its index here.
constexpr WordClass Classes[] = {WordClass::NomeProprio,    WordClass::Sigla,
                                 WordClass::Estrangeirismo, WordClass::Formacao,
                                 WordClass::Grafia,         WordClass::DerivacaoRegular,
                                 WordClass::Fragmento,      WordClass::Outra};

int ClassIndex(WordClass wordClass) {
  int index = 0;
  while (Classes[index] != wordClass && Classes[index] != WordClass::Outra) ++index;
  return index;
}

void AppendText(std::string& out, std::string_view windows1252) {
  AppendJsonString(out, Utf8FromWindows1252(windows1252));
}

void AppendNumber(std::string& out, std::uint64_t number) {
  out += std::to_string(number);
  out.push_back(',');
}

// One row for the page's script, which reads its fields in this order: an
// array, not an object, so that 100,000 rows stay small.
void AppendRow(std::string& out, const CandidateRow& row) {
  const CorpusWord& data = row.data;
  out.push_back('[');
  AppendText(out, row.word);
  out.push_back(',');
  AppendNumber(out, static_cast<std::uint64_t>(ClassIndex(row.classification.wordClass)));
  AppendNumber(out, data.frequency);
  AppendNumber(out, data.documents);
  AppendNumber(out, data.firstDocument);
  out.push_back('[');
  bool first = true;
  for (const auto& [form, count] : data.forms) {
    if (form == row.word) continue;
    if (!first) out.push_back(',');
    AppendText(out, form);
    first = false;
  }
  out += "],";
  AppendText(out, row.classification.suggestion);
  out.push_back(',');
  AppendText(out, row.classification.reason);
  out.push_back(',');
  AppendNumber(out, data.firstDate);
  AppendNumber(out, data.lastDate);
  out.push_back('[');
  first = true;
  for (const auto& [month, count] : data.perMonth) {
    out += first ? "[" : ",[";
    AppendNumber(out, month);
    out += std::to_string(count);
    out.push_back(']');
    first = false;
  }
  out += "],";
  AppendText(out, row.decision);
  out.push_back(',');
  AppendText(out, row.note);
  out.push_back(',');
  AppendText(out, row.decisionDate);
  out += ",[";
  first = true;
  for (const Context& context : data.contexts) {
    out += first ? "[" : ",[";
    AppendText(out, context.sentence);
    out.push_back(',');
    out += std::to_string(context.document);
    out.push_back(']');
    first = false;
  }
  out += "]]";
}

void WritePage(platform::OutputFile& page, const CorpusResult& result) {
  std::string_view pageTemplate = CandidatesPageTemplate();
  std::size_t marker = pageTemplate.find(PageDataMarker);
  page.Write(pageTemplate.substr(0, marker));

  std::string json = "{\"classes\":[";
  for (WordClass wordClass : Classes) {
    if (wordClass != Classes[0]) json.push_back(',');
    AppendJsonString(json, ClassName(wordClass));
  }
  json += "],\"documentos\":[";
  for (const Document& document : result.documents) {
    if (&document != &result.documents.front()) json.push_back(',');
    json.push_back('[');
    AppendJsonString(json, Utf8FromSystemName(document.name));
    json.push_back(',');
    json += std::to_string(document.date);
    json.push_back(']');
  }
  json += "],\"linhas\":[";
  for (const CandidateRow& row : result.rows) {
    if (&row != &result.rows.front()) json += ",\n";
    AppendRow(json, row);
    page.Write(json);
    json.clear();
  }
  json += "],\"outrasDecisoes\":[";
  for (const Decision& decision : result.otherDecisions) {
    if (&decision != &result.otherDecisions.front()) json.push_back(',');
    json.push_back('[');
    for (const std::string* field : {&decision.word, &decision.decision, &decision.note}) {
      AppendText(json, *field);
      json.push_back(',');
    }
    AppendText(json, decision.date);
    json.push_back(']');
  }
  json += "]}";
  page.Write(json);
  page.Write(pageTemplate.substr(marker + PageDataMarker.size()));
}

}  // namespace

void WriteCandidatesPage(const std::string& path, const CorpusResult& result) {
  // Renamed into place once whole, so that a page open in a browser is never
  // half replaced.
  platform::ReplacementFile page(path);
  WritePage(page.File(), result);
  page.File().Close();
  page.Commit();
}

}  // namespace corpus
