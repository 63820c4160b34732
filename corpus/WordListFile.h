// The word lists of data/corpus/: Windows-1252 text, one entry a line, its
// fields separated by blanks; "#" starts a comment that runs to the end of
// the line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corpus {

// The entries of the list at `path`, each as its fields. Throws
// platform::FileError.
std::vector<std::vector<std::string>> ReadListEntries(const std::string& path);

// A set of words, each the first field of an entry of a list file.
class WordSet {
 public:
  WordSet() = default;
  explicit WordSet(const std::string& path);

  bool Contains(std::string_view word) const;

 private:
  std::vector<std::string> words_;  // sorted
};

}  // namespace corpus
