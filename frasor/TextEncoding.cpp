#include "frasor/TextEncoding.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "frasor/Utf8Sequence.h"
#include "platform/TextFile.h"

namespace frasor {
namespace {

constexpr std::size_t BlockSize = 1 << 16;

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

// How many bytes of a well-formed sequence start at `at`, of the `left`
// bytes there: 0 when they are ill-formed, or -1 when they stop short of its
// end.
int SequenceLength(const unsigned char* at, std::size_t left) {
  int length = LeadOf(at[0]).length;
  int agreeing = WellFormedPrefix(at, left);
  if (length > 1 && agreeing == length) return length;
  if (length > 1 && static_cast<std::size_t>(agreeing) == left) return -1;
  return 0;
}

// Reads the file to its end, or to its first byte that cannot be UTF-8,
// and tells whether it was valid UTF-8 with at least one non-ASCII character.
// `block` holds the first `size` bytes.
bool IsNonAsciiUtf8(platform::InputFile& file, char* block, std::size_t size) {
  constexpr std::uint64_t HighBits = 0x8080808080808080;
  bool nonAscii = false;
  for (;;) {
    const auto* at = reinterpret_cast<const unsigned char*>(block);
    const unsigned char* end = at + size;
    while (at < end) {
      if (end - at >= 8) {
        // Straight to the first byte that is not ASCII, if there is one.
        std::uint64_t word;
        std::memcpy(&word, at, 8);
        std::uint64_t high = word & HighBits;
        if (high == 0) {
          at += 8;
          continue;
        }
        at += std::countr_zero(high) / 8;
      } else if (*at < 0x80) {
        ++at;
        continue;
      }
      nonAscii = true;
      // Most letters of Portuguese take two bytes, C2..DF and a trail byte.
      if (at[0] >= 0xC2 && at[0] <= 0xDF && end - at >= 2) {
        if ((at[1] & 0xC0) != 0x80) return false;
        at += 2;
        continue;
      }
      int length = SequenceLength(at, static_cast<std::size_t>(end - at));
      if (length == 0) return false;
      if (length < 0) break;  // completed by the next block
      at += length;
    }
    // The start of a sequence that the block cuts short goes before the next.
    auto cut = static_cast<std::size_t>(end - at);
    std::memmove(block, at, cut);
    std::size_t read = file.Read(block + cut, BlockSize - cut);
    if (read == 0) return cut == 0 && nonAscii;
    size = cut + read;
  }
}

}  // namespace

DetectedEncoding DetectEncoding(const std::string& path) {
  platform::InputFile file(path);
  std::unique_ptr<char[]> block(new char[BlockSize]);
  std::size_t size = file.Read(block.get(), BlockSize);
  std::string_view head(block.get(), size);
  DetectedEncoding detected;
  if (StartsWith(head, "\xEF\xBB\xBF")) {
    detected = {TextEncoding::Utf8, 3};
  } else if (StartsWith(head, "\xFF\xFE")) {
    detected = {TextEncoding::Utf16LittleEndian, 2};
  } else if (StartsWith(head, "\xFE\xFF")) {
    detected = {TextEncoding::Utf16BigEndian, 2};
  } else if (IsNonAsciiUtf8(file, block.get(), size)) {
    detected = {TextEncoding::Utf8, 0};
  } else {
    detected = {TextEncoding::Windows1252, 0};
  }
  file.Close();
  return detected;
}

}  // namespace frasor
