// The bytes that one call of the decoder gives, in a buffer that only grows,
// so that it is not allocated anew for every block.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace frasor {

class OutputBytes {
 public:
  // Room for `more` bytes behind those written so far; Advance then counts
  // those of them that were written.
  char* Reserve(std::size_t more) {
    if (bytes_.size() < size_ + more) bytes_.resize(std::max(bytes_.size() * 2, size_ + more));
    return bytes_.data() + size_;
  }
  void Advance(std::size_t written) { size_ += written; }

  void Clear() { size_ = 0; }
  std::string_view View() const { return std::string_view(bytes_.data(), size_); }

 private:
  std::string bytes_;
  std::size_t size_ = 0;
};

}  // namespace frasor
