// Storage of the dictionary table: folded words with their origin, grouped
// in the fixed buckets of HashWord, each bucket in insertion order.
//
// The entries live one behind the other, in insertion order, in large chunks
// owned by the table, rather than in one allocation each: the chain of a
// bucket is the sequence of the entries whose words hash to it, oldest first.
// An open-addressed index over a second, 64-bit hash of the word finds an
// entry without walking its bucket, which at millions of entries holds a
// hundred or more words. Every answer is the one a walk of the bucket would
// give, because a folded word is held at most once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/Memory.h"

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
  // The same with the index's hash of `folded` (IndexHash) given.
  bool Insert(std::string_view folded, std::uint64_t hash, std::uint8_t origin);

  // Makes the index large enough for `entries` entries in all, so that a
  // loader that knows roughly how many are coming does not rebuild the index
  // again and again as it fills. Never shrinks it.
  void Reserve(std::size_t entries);

  // Storage for entries made resident in advance, so that a bulk loader can
  // have another thread wait for the system to provide (and zero) the
  // hundreds of MB the entries take, instead of the inserting one.
  // ChunkBytes of storage hold entries of about that many bytes of words,
  // EntryBytes(length) each.
  static constexpr std::size_t ChunkBytes = std::size_t{1} << 25;
  static std::size_t EntryBytes(std::size_t length);
  static platform::LargeBlock ResidentChunk();
  // Hands the table a ResidentChunk to fill before it takes fresh memory.
  void GiveChunk(platform::LargeBlock chunk);
  // Releases the chunks given and not filled, and gives the pages of the
  // last chunk that no entry reaches back to the system.
  void ReleaseUnfilledStorage();

  // Starts fetching the memory that Insert or Find of `folded` will read.
  // A hint only: bulk loaders call it some words ahead, so that the index's
  // cache misses overlap instead of following one another.
  void Prefetch(std::string_view folded) const;

  // The origin of `folded`, or -1 when the table does not hold it.
  int Find(std::string_view folded) const;

  // Prefetch and Find with the index's hash of `folded` given, for a caller
  // that announces a word ahead and hashes it only once.
  static std::uint64_t IndexHash(std::string_view folded);
  void PrefetchHashed(std::uint64_t hash) const;
  int Find(std::string_view folded, std::uint64_t hash) const;

  // The entries of `bucket` (1 to TableSize), oldest first. Walks the whole
  // table: meant for checks, not for lookups.
  std::vector<bloco> Chain(int bucket) const;

  // Calls `visit` for every entry in the order of insertion, which is also
  // the order of every bucket's chain.
  void ForEachEntry(const std::function<void(const bloco&)>& visit) const;

  std::size_t Count() const { return count_; }

  // Releases every entry; the table is empty afterwards.
  void Clear();

 private:
  using Offset = std::uint64_t;  // position of an entry in the chunks, plus 1; 0 is none

  Offset AppendRecord(std::string_view folded, std::uint8_t origin);
  const unsigned char* RecordAt(Offset offset) const;
  // Calls visit(word, offset) for every entry, in insertion order.
  template <typename Visit>
  void ForEachRecord(Visit visit) const;
  std::uint64_t* Slots() const { return reinterpret_cast<std::uint64_t*>(slots_.Data()); }
  // Rebuilds the index with `slotCount` slots, a power of two.
  void ResizeIndex(std::size_t slotCount);

  std::vector<platform::LargeBlock> chunks_;
  std::vector<platform::LargeBlock> given_;  // resident chunks to fill next, last first
  std::vector<std::size_t> chunkUsed_;       // bytes of entries in each chunk
  platform::LargeBlock slots_;  // per slot: hash tag (high 24 bits), entry offset (low 40)
  std::size_t slotCount_ = 0;   // a power of two
  std::size_t count_ = 0;
};
