// Storage of the dictionary table: folded words with their origin, grouped
// in the fixed buckets of HashWord, each bucket in insertion order.
//
// The words live in large chunks owned by the table rather than in one
// allocation each; a second, open-addressed index over a 64-bit hash of the
// word finds an entry without walking its bucket, which at millions of
// entries holds a hundred or more words. Every answer is the one a walk of
// the bucket would give, because a folded word is held at most once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// Number of buckets of the dictionary table; prime, never changes.
inline constexpr int TableSize = 100003;

// One entry of the table as a walk of its bucket sees it.
struct bloco {
  std::string_view Word;  // the folded word
  std::uint8_t Origin;    // 0: main dictionary; 1: user dictionary or stored by a run
};

// The bucket (1 to TableSize) of an already folded word: the sum of the
// squares of its byte values, modulo TableSize, plus 1. The sum is kept in
// 64 bits, so words of any length map to a bucket.
int HashWord(std::string_view folded);

class WordTable {
 public:
  WordTable();

  // Adds `folded` with `origin` unless the table holds it already; true when added.
  bool Insert(std::string_view folded, std::uint8_t origin);

  // The origin of `folded`, or -1 when the table does not hold it.
  int Find(std::string_view folded) const;

  // The entries of `bucket` (1 to TableSize), oldest first.
  std::vector<bloco> Chain(int bucket) const;

  std::size_t Count() const { return count_; }

  // Releases every entry; the table is empty afterwards.
  void Clear();

 private:
  using Offset = std::uint64_t;  // position of a record in the chunks, plus 1; 0 is none

  Offset AppendRecord(std::string_view folded, std::uint8_t origin);
  const unsigned char* RecordAt(Offset offset) const;
  unsigned char* RecordAt(Offset offset);
  bool RecordHolds(Offset offset, std::string_view folded) const;
  void PlaceInIndex(std::vector<std::uint64_t>& slots, std::uint64_t hash, Offset offset) const;
  void GrowIndex();

  std::vector<std::unique_ptr<unsigned char[]>> chunks_;
  std::vector<std::size_t> chunkUsed_;  // bytes of records in each chunk
  std::vector<std::uint64_t> slots_;    // hash tag (high 24 bits) and record offset (low 40 bits)
  std::vector<Offset> heads_;           // per bucket: first record
  std::vector<Offset> tails_;           // per bucket: last record, to link behind it
  std::size_t count_ = 0;
};
