#include "support/SyntheticText.h"

#include <array>
#include <random>

namespace bench_support {
namespace {

// Each syllable is a consonant cluster and one vowel; no cluster holds a
// vowel, so a word splits into its syllables in one way only and different
// syllable sequences give different words.
constexpr std::array<std::string_view, 20> Clusters = {"b",  "c",  "d",  "f",  "g",  "j", "l",
                                                       "m",  "n",  "p",  "r",  "s",  "t", "v",
                                                       "ch", "lh", "nh", "br", "tr", "qu"};
constexpr std::array<std::string_view, 8> Vowels = {"a", "e",    "i",    "o",
                                                    "u", "\xE3", "\xE9", "\xF3"};
constexpr std::array<std::string_view, 5> Endings = {"", "s", "r", "m", "l"};
constexpr std::uint64_t Syllables = Clusters.size() * Vowels.size();

std::uint64_t Power(std::uint64_t base, unsigned exponent) {
  std::uint64_t result = 1;
  while (exponent-- > 0) result *= base;
  return result;
}

std::string WordFor(std::uint64_t index, unsigned syllables) {
  std::string word;
  index %= Power(Syllables, syllables) * Endings.size();
  std::uint64_t ending = index % Endings.size();
  index /= Endings.size();
  for (unsigned i = 0; i < syllables; ++i) {
    std::uint64_t syllable = index % Syllables;
    index /= Syllables;
    word += Clusters[syllable / Vowels.size()];
    word += Vowels[syllable % Vowels.size()];
  }
  word += Endings[ending];
  return word;
}

}  // namespace

void WordList::Add(std::string_view word) {
  starts_.push_back(bytes_.size());
  bytes_.append(word);
}

WordList DistinctWords(std::size_t count) {
  WordList words;
  for (std::size_t i = 0; i < count; ++i) {
    unsigned syllables = 3 + static_cast<unsigned>(i % 3);
    // Multiplying by a number prime to the size of the space permutes it, so
    // the words stay distinct and come in a scrambled order.
    std::uint64_t space = Power(Syllables, syllables) * Endings.size();
    std::uint64_t index = ((i / 3) * 2654435761ULL) % space;
    words.Add(WordFor(index, syllables));
  }
  return words;
}

std::string Altered(std::string_view word) {
  std::string altered(word);
  altered[altered.size() / 2] = 'x';
  return altered;
}

std::string SegmentedText(const WordList& known, std::size_t bytes, unsigned newEvery) {
  std::mt19937_64 random(42);
  std::string text;
  text.reserve(bytes + 512);
  while (text.size() < bytes) {
    std::size_t words = 8 + random() % 23;
    for (std::size_t i = 0; i < words; ++i) {
      std::string_view word = known[random() % known.Size()];
      if (random() % newEvery == 0) {
        text += Altered(word);
      } else if (i == 0) {
        text += static_cast<char>(word[0] - ('a' - 'A'));
        text += word.substr(1);
      } else {
        text += word;
      }
      text += (i + 1 == words) ? ".\r\n" : (random() % 6 == 0 ? ", " : " ");
    }
  }
  return text;
}

}  // namespace bench_support
