// Synthetic Portuguese-like words and texts, made by the benchmarks
// themselves so that they run anywhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bench_support {

// Many words in one buffer.
class WordList {
 public:
  void Add(std::string_view word);
  std::size_t Size() const { return starts_.size(); }
  std::string_view operator[](std::size_t i) const {
    std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] : bytes_.size();
    return std::string_view(bytes_).substr(starts_[i], end - starts_[i]);
  }
  std::size_t Bytes() const { return bytes_.size(); }

 private:
  std::string bytes_;
  std::vector<std::size_t> starts_;
};

// `count` distinct words of three to five syllables built from Portuguese
// consonant clusters and (accented, Windows-1252) vowels, some with a final
// consonant, in a scrambled order. They never hold the letter x.
WordList DistinctWords(std::size_t count);

// A copy of `word` that no list of DistinctWords holds.
std::string Altered(std::string_view word);

// A segmented text of about `bytes` bytes, one sentence of 8 to 30 words per
// CR LF line with commas and a final full stop, whose words are drawn from
// `known`, and one in `newEvery` from words that `known` does not hold.
std::string SegmentedText(const WordList& known, std::size_t bytes, unsigned newEvery);

}  // namespace bench_support
