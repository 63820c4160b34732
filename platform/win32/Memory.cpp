#include "platform/Memory.h"

#include <windows.h>

#include <new>
#include <utility>

namespace platform {

// Committed pages of VirtualAlloc are zero-filled and become resident only
// when first touched. Large pages need a privilege users do not hold.
LargeBlock::LargeBlock(std::size_t bytes) : size_(bytes) {
  if (bytes == 0) return;
  void* data = VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
  if (data == nullptr) throw std::bad_alloc();
  data_ = static_cast<unsigned char*>(data);
}

void LargeBlock::Discard(std::size_t from) {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  std::size_t page = system.dwPageSize;
  std::size_t start = (from + page - 1) / page * page;
  if (start >= size_) return;
  // Reset pages stay committed, so they can be written again without asking
  // the system for memory that may no longer be there; a failure only means
  // they stay resident.
  VirtualAlloc(data_ + start, size_ - start, MEM_RESET, PAGE_READWRITE);
}

LargeBlock::~LargeBlock() {
  if (data_ != nullptr) VirtualFree(data_, 0, MEM_RELEASE);
}

LargeBlock::LargeBlock(LargeBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}

LargeBlock& LargeBlock::operator=(LargeBlock&& other) noexcept {
  if (this != &other) {
    if (data_ != nullptr) VirtualFree(data_, 0, MEM_RELEASE);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

}  // namespace platform
