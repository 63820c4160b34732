#include "dictionary/WordTable.h"

#include <cstring>

namespace {

// Record layout in a chunk: the next record of the same bucket (5 bytes,
// little endian, 0 for none), the origin (1 byte), the word's length
// (LEB128) and the word's bytes.
constexpr std::size_t NextBytes = 5;
constexpr unsigned ChunkBits = 25;  // 32 MiB chunks
constexpr std::uint64_t ChunkSize = std::uint64_t{1} << ChunkBits;
constexpr unsigned OffsetBits = 40;
constexpr std::uint64_t OffsetMask = (std::uint64_t{1} << OffsetBits) - 1;
constexpr std::size_t InitialSlots = std::size_t{1} << 16;

std::uint64_t Rotate(std::uint64_t x, unsigned bits) { return (x << bits) | (x >> (64 - bits)); }

// A fast 64-bit hash of the word's bytes; only the index uses it.
std::uint64_t StrongHash(std::string_view word) {
  constexpr std::uint64_t K1 = 0x9E3779B97F4A7C15ULL;
  constexpr std::uint64_t K2 = 0xC2B2AE3D27D4EB4FULL;
  std::uint64_t h = word.size() * K1;
  const char* p = word.data();
  std::size_t left = word.size();
  for (; left >= 8; left -= 8, p += 8) {
    std::uint64_t block;
    std::memcpy(&block, p, 8);
    h = Rotate(h ^ (block * K2), 31) * K1;
  }
  if (left > 0) {
    std::uint64_t block = 0;
    std::memcpy(&block, p, left);
    h = Rotate(h ^ (block * K2), 31) * K1;
  }
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDULL;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ULL;
  h ^= h >> 33;
  return h;
}

std::uint64_t TagOf(std::uint64_t hash) { return hash >> OffsetBits; }

std::size_t LengthFieldSize(std::size_t length) {
  std::size_t bytes = 1;
  while (length >= 0x80) {
    length >>= 7;
    ++bytes;
  }
  return bytes;
}

std::uint64_t ReadNext(const unsigned char* record) {
  std::uint64_t next = 0;
  for (std::size_t i = 0; i < NextBytes; ++i) next |= std::uint64_t{record[i]} << (8 * i);
  return next;
}

void WriteNext(unsigned char* record, std::uint64_t next) {
  for (std::size_t i = 0; i < NextBytes; ++i) record[i] = static_cast<unsigned char>(next >> (8 * i));
}

// The word of a record, and the record's total size.
std::string_view RecordWord(const unsigned char* record, std::size_t* recordSize = nullptr) {
  const unsigned char* p = record + NextBytes + 1;
  std::size_t length = 0;
  for (unsigned shift = 0;; shift += 7) {
    length |= std::size_t{*p & 0x7Fu} << shift;
    if ((*p++ & 0x80) == 0) break;
  }
  if (recordSize != nullptr) *recordSize = static_cast<std::size_t>(p - record) + length;
  return std::string_view(reinterpret_cast<const char*>(p), length);
}

}  // namespace

int HashWord(std::string_view folded) {
  std::uint64_t sum = 0;
  for (unsigned char byte : folded) sum += std::uint64_t{byte} * byte;
  return static_cast<int>(sum % TableSize) + 1;
}

WordTable::WordTable() { Clear(); }

void WordTable::Clear() {
  chunks_.clear();
  chunkUsed_.clear();
  slots_.assign(InitialSlots, 0);
  heads_.assign(TableSize + 1, 0);
  tails_.assign(TableSize + 1, 0);
  count_ = 0;
}

const unsigned char* WordTable::RecordAt(Offset offset) const {
  std::uint64_t position = offset - 1;
  return chunks_[position >> ChunkBits].get() + (position & (ChunkSize - 1));
}

unsigned char* WordTable::RecordAt(Offset offset) {
  std::uint64_t position = offset - 1;
  return chunks_[position >> ChunkBits].get() + (position & (ChunkSize - 1));
}

bool WordTable::RecordHolds(Offset offset, std::string_view folded) const {
  return RecordWord(RecordAt(offset)) == folded;
}

WordTable::Offset WordTable::AppendRecord(std::string_view folded, std::uint8_t origin) {
  std::size_t size = NextBytes + 1 + LengthFieldSize(folded.size()) + folded.size();
  std::size_t chunk;
  std::size_t position = 0;
  if (size > ChunkSize) {
    // A record longer than a chunk gets a buffer of its own that takes the
    // places of as many chunks, so offsets stay plain positions.
    chunk = chunks_.size();
    chunks_.emplace_back(new unsigned char[size]);
    chunkUsed_.push_back(size);
    for (std::size_t places = (size + ChunkSize - 1) / ChunkSize; places > 1; --places) {
      chunks_.emplace_back();
      chunkUsed_.push_back(0);
    }
  } else {
    if (chunks_.empty() || !chunks_.back() || chunkUsed_.back() + size > ChunkSize) {
      chunks_.emplace_back(new unsigned char[ChunkSize]);
      chunkUsed_.push_back(0);
    }
    chunk = chunks_.size() - 1;
    position = chunkUsed_[chunk];
    chunkUsed_[chunk] += size;
  }
  Offset offset = ((std::uint64_t{chunk} << ChunkBits) | position) + 1;
  unsigned char* record = chunks_[chunk].get() + position;

  WriteNext(record, 0);
  record[NextBytes] = origin;
  unsigned char* p = record + NextBytes + 1;
  std::size_t length = folded.size();
  do {
    unsigned char byte = length & 0x7F;
    length >>= 7;
    *p++ = byte | (length != 0 ? 0x80 : 0);
  } while (length != 0);
  std::memcpy(p, folded.data(), folded.size());
  return offset;
}

void WordTable::PlaceInIndex(std::vector<std::uint64_t>& slots, std::uint64_t hash,
                             Offset offset) const {
  std::size_t mask = slots.size() - 1;
  std::size_t slot = hash & mask;
  while (slots[slot] != 0) slot = (slot + 1) & mask;
  slots[slot] = (TagOf(hash) << OffsetBits) | offset;
}

void WordTable::GrowIndex() {
  std::vector<std::uint64_t> grown(slots_.size() * 2, 0);
  // Walking the chunks in order reads memory sequentially.
  for (std::size_t chunk = 0; chunk < chunks_.size(); ++chunk) {
    if (!chunks_[chunk]) continue;
    std::size_t position = 0;
    while (position < chunkUsed_[chunk]) {
      std::size_t recordSize;
      std::string_view word = RecordWord(chunks_[chunk].get() + position, &recordSize);
      Offset offset = ((std::uint64_t{chunk} << ChunkBits) | position) + 1;
      PlaceInIndex(grown, StrongHash(word), offset);
      position += recordSize;
    }
  }
  slots_.swap(grown);
}

int WordTable::Find(std::string_view folded) const {
  std::uint64_t hash = StrongHash(folded);
  std::uint64_t tag = TagOf(hash);
  std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    std::uint64_t entry = slots_[slot];
    if (entry == 0) return -1;
    if ((entry >> OffsetBits) == tag && RecordHolds(entry & OffsetMask, folded)) {
      return RecordAt(entry & OffsetMask)[NextBytes];
    }
  }
}

bool WordTable::Insert(std::string_view folded, std::uint8_t origin) {
  std::uint64_t hash = StrongHash(folded);
  std::uint64_t tag = TagOf(hash);
  std::size_t mask = slots_.size() - 1;
  std::size_t slot = hash & mask;
  for (;; slot = (slot + 1) & mask) {
    std::uint64_t entry = slots_[slot];
    if (entry == 0) break;
    if ((entry >> OffsetBits) == tag && RecordHolds(entry & OffsetMask, folded)) return false;
  }
  Offset offset = AppendRecord(folded, origin);
  slots_[slot] = (tag << OffsetBits) | offset;

  int bucket = HashWord(folded);
  if (tails_[bucket] == 0) {
    heads_[bucket] = offset;
  } else {
    WriteNext(RecordAt(tails_[bucket]), offset);
  }
  tails_[bucket] = offset;

  ++count_;
  if (count_ * 10 > slots_.size() * 7) GrowIndex();
  return true;
}

std::vector<bloco> WordTable::Chain(int bucket) const {
  std::vector<bloco> chain;
  for (Offset offset = heads_[bucket]; offset != 0;) {
    const unsigned char* record = RecordAt(offset);
    chain.push_back(bloco{RecordWord(record), record[NextBytes]});
    offset = ReadNext(record);
  }
  return chain;
}
