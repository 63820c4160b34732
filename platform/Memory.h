// Large blocks of memory for the dictionary's storage.
#pragma once

#include <cstddef>

namespace platform {

// A zero-filled block taken from the system directly: its pages become
// resident only when first touched, go back to the system when the block is
// released, and are large pages where the system offers them, which spares
// the address translation misses of random access over hundreds of MB.
// Throws std::bad_alloc when the system has no memory for it.
class LargeBlock {
 public:
  LargeBlock() = default;
  explicit LargeBlock(std::size_t bytes);
  ~LargeBlock();
  LargeBlock(LargeBlock&& other) noexcept;
  LargeBlock& operator=(LargeBlock&& other) noexcept;
  LargeBlock(const LargeBlock&) = delete;
  LargeBlock& operator=(const LargeBlock&) = delete;

  // Gives the whole pages from byte `from` on back to the system: what they
  // held is lost (Linux reads them as zero again), they stay usable, and
  // they become resident again only when next touched. Never fails.
  void Discard(std::size_t from);

  unsigned char* Data() const { return data_; }
  std::size_t Size() const { return size_; }

 private:
  unsigned char* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace platform
