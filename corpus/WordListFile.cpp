#include "corpus/WordListFile.h"

#include <algorithm>

#include "platform/TextFile.h"

namespace corpus {

std::vector<std::vector<std::string>> ReadListEntries(const std::string& path) {
  std::vector<std::vector<std::string>> entries;
  platform::LineReader reader(path);
  std::string line;
  while (reader.NextLine(line)) {
    line.erase(std::min(line.find('#'), line.size()));
    std::vector<std::string> fields;
    std::size_t start = 0;
    while ((start = line.find_first_not_of(" \t", start)) != std::string::npos) {
      std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
      fields.push_back(line.substr(start, end - start));
      start = end;
    }
    if (!fields.empty()) entries.push_back(std::move(fields));
  }
  reader.Close();
  return entries;
}

WordSet::WordSet(const std::string& path) {
  for (auto& fields : ReadListEntries(path)) words_.push_back(std::move(fields.front()));
  std::sort(words_.begin(), words_.end());
  words_.erase(std::unique(words_.begin(), words_.end()), words_.end());
}

bool WordSet::Contains(std::string_view word) const {
  return std::binary_search(words_.begin(), words_.end(), word, std::less<>());
}

}  // namespace corpus
