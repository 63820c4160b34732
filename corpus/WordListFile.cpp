#include "corpus/WordListFile.h"

#include <algorithm>

#include "platform/TextFile.h"

namespace corpus {

namespace {

// The fields of `line` into `fields`: blank-separated, up to a "#".
void SplitFields(std::string_view line, std::vector<std::string_view>& fields) {
  fields.clear();
  line = line.substr(0, std::min(line.find('#'), line.size()));
  std::size_t start = 0;
  while ((start = line.find_first_not_of(" \t", start)) != std::string_view::npos) {
    std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
    fields.push_back(line.substr(start, end - start));
    start = end;
  }
}

}  // namespace

std::vector<std::vector<std::string>> ReadListEntries(const std::string& path) {
  std::vector<std::vector<std::string>> entries;
  platform::LineReader reader(path);
  std::string line;
  std::vector<std::string_view> fields;
  while (reader.NextLine(line)) {
    SplitFields(line, fields);
    if (!fields.empty()) entries.emplace_back(fields.begin(), fields.end());
  }
  reader.Close();
  return entries;
}

WordSet::WordSet(const std::string& path) {
  // Read straight into the set: the list of foreign words has most of a million entries,
  // and every run loads it.
  platform::LineReader reader(path);
  std::string line;
  std::vector<std::string_view> fields;
  while (reader.NextLine(line)) {
    SplitFields(line, fields);
    if (!fields.empty()) words_.emplace_back(fields.front());
  }
  reader.Close();
  // Generated lists are written in byte order; one edited by hand may not be.
  if (!std::is_sorted(words_.begin(), words_.end())) std::sort(words_.begin(), words_.end());
  words_.erase(std::unique(words_.begin(), words_.end()), words_.end());
}

bool WordSet::Contains(std::string_view word) const {
  return std::binary_search(words_.begin(), words_.end(), word, std::less<>());
}

}  // namespace corpus
