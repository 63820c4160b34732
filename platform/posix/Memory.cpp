#include "platform/Memory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <new>
#include <utility>

namespace platform {

LargeBlock::LargeBlock(std::size_t bytes) : size_(bytes) {
  if (bytes == 0) return;
  void* data = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (data == MAP_FAILED) throw std::bad_alloc();
  // Only advice: where large pages are not offered the block works the same.
  madvise(data, bytes, MADV_HUGEPAGE);
  data_ = static_cast<unsigned char*>(data);
}

void LargeBlock::Discard(std::size_t from) {
  std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  std::size_t start = (from + page - 1) / page * page;
  // Private anonymous pages given back read as zero when next touched.
  if (start < size_) madvise(data_ + start, size_ - start, MADV_DONTNEED);
}

LargeBlock::~LargeBlock() {
  if (data_ != nullptr) munmap(data_, size_);
}

LargeBlock::LargeBlock(LargeBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

LargeBlock& LargeBlock::operator=(LargeBlock&& other) noexcept {
  if (this != &other) {
    if (data_ != nullptr) munmap(data_, size_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

}  // namespace platform
