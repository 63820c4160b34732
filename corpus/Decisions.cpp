#include "corpus/Decisions.h"

#include <string_view>
#include <vector>

#include "corpus/FormGrouping.h"
#include "corpus/Utf8Text.h"
#include "platform/TextFile.h"

namespace corpus {
namespace {

std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields;
  for (std::size_t start = 0;;) {
    std::size_t tab = line.find('\t', start);
    fields.push_back(Windows1252FromUtf8(line.substr(start, tab - start)));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

int ColumnOf(const std::vector<std::string>& header, std::string_view name) {
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (header[i] == name) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

Decisions ReadDecisions(const std::string& path) {
  platform::LineReader reader(path);
  Decisions decisions;
  std::string line;
  if (!reader.NextLine(line)) {
    reader.Close();
    return decisions;
  }
  // A byte-order mark some editors put before the header.
  if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
  std::vector<std::string> header = Fields(line);
  int word = ColumnOf(header, "palavra");
  int decision = ColumnOf(header, "decisao");
  int note = ColumnOf(header, "nota");
  int date = ColumnOf(header, "data");
  if (word < 0 || decision < 0) {
    reader.Close();
    return decisions;
  }
  auto field = [](const std::vector<std::string>& fields, int column) {
    return column >= 0 && static_cast<std::size_t>(column) < fields.size() ? fields[column]
                                                                           : std::string();
  };
  while (reader.NextLine(line)) {
    std::vector<std::string> fields = Fields(line);
    std::string decided = field(fields, decision);
    std::string decidedWord = field(fields, word);
    if ((decided != "neologismo" && decided != "rejeitada") || decidedWord.empty()) continue;
    decisions[GroupKey(decidedWord)] =
        Decision{decidedWord, decided, field(fields, note), field(fields, date)};
  }
  reader.Close();
  return decisions;
}

}  // namespace corpus
