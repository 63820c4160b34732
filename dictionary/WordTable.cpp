#include "dictionary/WordTable.h"

#include <cstring>
#include <utility>

namespace {

// An entry in a chunk: its origin (1 byte), its word's length (LEB128) and
// the word's bytes.
constexpr unsigned ChunkBits = 25;  // 32 MiB chunks
constexpr std::uint64_t ChunkSize = std::uint64_t{1} << ChunkBits;
static_assert(ChunkSize == WordTable::ChunkBytes);
// Pages of every size the systems use are a multiple of this.
constexpr std::size_t SmallestPage = 4096;
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

// The word of an entry, and the entry's total size.
std::string_view RecordWord(const unsigned char* record, std::size_t* recordSize = nullptr) {
  const unsigned char* p = record + 1;
  std::size_t length = 0;
  for (unsigned shift = 0;; shift += 7) {
    length |= std::size_t{*p & 0x7Fu} << shift;
    if ((*p++ & 0x80) == 0) break;
  }
  if (recordSize != nullptr) *recordSize = static_cast<std::size_t>(p - record) + length;
  return std::string_view(reinterpret_cast<const char*>(p), length);
}

// The slot of `hash`, or of its entry: the first empty slot from its home on,
// or the one holding an entry for which `holds` is true.
template <typename Holds>
std::size_t Probe(const std::uint64_t* slots, std::size_t mask, std::uint64_t hash, Holds holds) {
  std::uint64_t tag = TagOf(hash);
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    std::uint64_t entry = slots[slot];
    if (entry == 0 || ((entry >> OffsetBits) == tag && holds(entry & OffsetMask))) return slot;
  }
}

}  // namespace

int HashWord(std::string_view folded) {
  std::uint64_t sum = 0;
  for (unsigned char byte : folded) sum += std::uint64_t{byte} * byte;
  return static_cast<int>(sum % TableSize) + 1;
}

WordTable::WordTable() { Clear(); }

std::size_t WordTable::EntryBytes(std::size_t length) {
  return 1 + LengthFieldSize(length) + length;
}

platform::LargeBlock WordTable::ResidentChunk() {
  platform::LargeBlock chunk(ChunkSize);
  // A write to each page has the system provide it now; the block is zero
  // and stays so.
  for (std::size_t page = 0; page < ChunkSize; page += SmallestPage) chunk.Data()[page] = 0;
  return chunk;
}

void WordTable::GiveChunk(platform::LargeBlock chunk) {
  if (chunk.Size() == ChunkSize) given_.push_back(std::move(chunk));
}

void WordTable::ReleaseUnfilledStorage() {
  given_.clear();
  if (!chunks_.empty() && chunks_.back().Size() == ChunkSize) {
    chunks_.back().Discard(chunkUsed_.back());
  }
}

void WordTable::Clear() {
  given_.clear();
  chunks_.clear();
  chunkUsed_.clear();
  slots_ = platform::LargeBlock(InitialSlots * sizeof(std::uint64_t));
  slotCount_ = InitialSlots;
  count_ = 0;
}

const unsigned char* WordTable::RecordAt(Offset offset) const {
  std::uint64_t position = offset - 1;
  return chunks_[position >> ChunkBits].Data() + (position & (ChunkSize - 1));
}

WordTable::Offset WordTable::AppendRecord(std::string_view folded, std::uint8_t origin) {
  std::size_t size = EntryBytes(folded.size());
  std::size_t chunk;
  std::size_t position = 0;
  if (size > ChunkSize) {
    // An entry longer than a chunk gets a block of its own that takes the
    // places of as many chunks, so offsets stay plain positions.
    chunk = chunks_.size();
    chunks_.emplace_back(size);
    chunkUsed_.push_back(size);
    for (std::size_t places = (size + ChunkSize - 1) / ChunkSize; places > 1; --places) {
      chunks_.emplace_back();
      chunkUsed_.push_back(0);
    }
  } else {
    if (chunks_.empty() || chunks_.back().Size() != ChunkSize ||
        chunkUsed_.back() + size > ChunkSize) {
      if (given_.empty()) {
        chunks_.emplace_back(ChunkSize);
      } else {
        chunks_.push_back(std::move(given_.back()));
        given_.pop_back();
      }
      chunkUsed_.push_back(0);
    }
    chunk = chunks_.size() - 1;
    position = chunkUsed_[chunk];
    chunkUsed_[chunk] += size;
  }
  unsigned char* record = chunks_[chunk].Data() + position;
  record[0] = origin;
  unsigned char* p = record + 1;
  std::size_t length = folded.size();
  do {
    unsigned char byte = length & 0x7F;
    length >>= 7;
    *p++ = byte | (length != 0 ? 0x80 : 0);
  } while (length != 0);
  std::memcpy(p, folded.data(), folded.size());
  return ((std::uint64_t{chunk} << ChunkBits) | position) + 1;
}

template <typename Visit>
void WordTable::ForEachRecord(Visit visit) const {
  for (std::size_t chunk = 0; chunk < chunks_.size(); ++chunk) {
    std::size_t position = 0;
    while (position < chunkUsed_[chunk]) {
      std::size_t recordSize;
      std::string_view word = RecordWord(chunks_[chunk].Data() + position, &recordSize);
      visit(word, ((std::uint64_t{chunk} << ChunkBits) | position) + 1);
      position += recordSize;
    }
  }
}

void WordTable::ResizeIndex(std::size_t slotCount) {
  platform::LargeBlock grown(slotCount * sizeof(std::uint64_t));
  std::uint64_t* slots = reinterpret_cast<std::uint64_t*>(grown.Data());
  std::size_t mask = slotCount - 1;
  auto place = [&](std::uint64_t hash, Offset offset) {
    std::size_t slot = Probe(slots, mask, hash, [](Offset) { return false; });
    slots[slot] = (TagOf(hash) << OffsetBits) | offset;
  };
  // The entries are read in order; their slots are fetched ahead of use,
  // since each lands at a random place of the grown index.
  constexpr std::size_t Ahead = 16;
  std::uint64_t hashes[Ahead];
  Offset offsets[Ahead];
  std::size_t pending = 0;
  ForEachRecord([&](std::string_view word, Offset offset) {
    std::size_t i = pending % Ahead;
    if (pending >= Ahead) place(hashes[i], offsets[i]);
    hashes[i] = StrongHash(word);
    offsets[i] = offset;
    __builtin_prefetch(&slots[hashes[i] & mask], 1);
    ++pending;
  });
  for (std::size_t done = pending > Ahead ? pending - Ahead : 0; done < pending; ++done) {
    place(hashes[done % Ahead], offsets[done % Ahead]);
  }
  slots_ = std::move(grown);
  slotCount_ = slotCount;
}

std::uint64_t WordTable::IndexHash(std::string_view folded) { return StrongHash(folded); }

void WordTable::Prefetch(std::string_view folded) const { PrefetchHashed(StrongHash(folded)); }

void WordTable::PrefetchHashed(std::uint64_t hash) const {
  __builtin_prefetch(&Slots()[hash & (slotCount_ - 1)]);
}

int WordTable::Find(std::string_view folded) const { return Find(folded, StrongHash(folded)); }

int WordTable::Find(std::string_view folded, std::uint64_t hash) const {
  std::uint64_t* slots = Slots();
  std::size_t slot = Probe(slots, slotCount_ - 1, hash,
                           [&](Offset offset) { return RecordWord(RecordAt(offset)) == folded; });
  if (slots[slot] == 0) return -1;
  return RecordAt(slots[slot] & OffsetMask)[0];
}

bool WordTable::Insert(std::string_view folded, std::uint8_t origin) {
  return Insert(folded, StrongHash(folded), origin);
}

bool WordTable::Insert(std::string_view folded, std::uint64_t hash, std::uint8_t origin) {
  std::uint64_t* slots = Slots();
  std::size_t slot = Probe(slots, slotCount_ - 1, hash,
                           [&](Offset offset) { return RecordWord(RecordAt(offset)) == folded; });
  if (slots[slot] != 0) return false;
  slots[slot] = (TagOf(hash) << OffsetBits) | AppendRecord(folded, origin);
  ++count_;
  if (count_ * 10 > slotCount_ * 7) ResizeIndex(slotCount_ * 2);
  return true;
}

void WordTable::Reserve(std::size_t entries) {
  std::size_t slotCount = slotCount_;
  while (entries * 10 > slotCount * 7) slotCount *= 2;
  if (slotCount != slotCount_) ResizeIndex(slotCount);
}

void WordTable::ForEachEntry(const std::function<void(const bloco&)>& visit) const {
  ForEachRecord([&](std::string_view word, Offset offset) {
    visit(bloco{word, RecordAt(offset)[0]});
  });
}

std::vector<bloco> WordTable::Chain(int bucket) const {
  std::vector<bloco> chain;
  ForEachEntry([&](const bloco& entry) {
    if (HashWord(entry.Word) == bucket) chain.push_back(entry);
  });
  return chain;
}
