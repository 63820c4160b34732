#include "frasor/TextEncoding.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <memory>
#include <string_view>

#include "frasor/IcuConverter.h"
#include "platform/TextFile.h"

namespace frasor {
namespace {

constexpr std::size_t BlockSize = 1 << 16;

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

// Reads the file to its end, or to its first byte that cannot be UTF-8,
// and tells whether it was valid UTF-8 with at least one non-ASCII character.
// `block` holds the first `size` bytes.
bool IsNonAsciiUtf8(platform::InputFile& file, char* block, std::size_t size) {
  IcuConverter utf8("UTF-8");
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setToUCallBack(utf8.Get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  std::unique_ptr<UChar[]> scratch(new UChar[BlockSize + 8]);
  bool nonAscii = false;
  for (;;) {
    bool last = size == 0;
    nonAscii = nonAscii || std::any_of(block, block + size, [](char c) {
                 return static_cast<unsigned char>(c) >= 0x80;
               });
    const char* source = block;
    UChar* target = scratch.get();
    ucnv_toUnicode(utf8.Get(), &target, target + BlockSize + 8, &source, source + size, nullptr,
                   last, &status);
    if (U_FAILURE(status)) return false;
    if (last) return nonAscii;
    size = file.Read(block, BlockSize);
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
