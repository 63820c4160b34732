#include <cstddef>

#include <gtest/gtest.h>

#include "platform/Memory.h"

namespace {

bool AllZero(const unsigned char* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (bytes[i] != 0) return false;
  }
  return true;
}

TEST(LargeBlock, DiscardKeepsEveryByteBeforeItsStartAndTheWholePagesAfterStayUsable) {
  constexpr std::size_t Size = std::size_t{1} << 22;
  platform::LargeBlock block(Size);
  ASSERT_TRUE(AllZero(block.Data(), Size));
  for (std::size_t i = 0; i < Size; ++i) block.Data()[i] = static_cast<unsigned char>(i % 251 + 1);
  // Not on a page boundary: the page holding the start keeps its bytes.
  constexpr std::size_t From = (std::size_t{1} << 21) + 100;
  block.Discard(From);
  for (std::size_t i = 0; i < From; ++i) {
    ASSERT_EQ(block.Data()[i], i % 251 + 1) << i;
  }
#ifndef _WIN32
  // Linux gives the pages back as zero; Windows leaves what they read undefined.
  EXPECT_TRUE(AllZero(block.Data() + (std::size_t{1} << 22) - 65536, 65536));
#endif
  // The pages given back can be written again.
  block.Data()[Size - 1] = 7;
  EXPECT_EQ(block.Data()[Size - 1], 7);
  block.Discard(Size);  // nothing after the end: nothing happens
  EXPECT_EQ(block.Data()[Size - 1], 7);
}

}  // namespace
