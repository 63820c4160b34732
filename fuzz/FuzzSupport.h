// What the fuzz targets share: the check that stops a run when a property
// fails, a scratch folder, whole-file reads and writes, the input's leading
// control bytes, and the line rules of platform::LineReader restated on
// their own so that the targets can compare the readers against them.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz_support {

[[noreturn]] inline void Fail(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property violated: %s\n", file, line, condition);
  std::fflush(stderr);
  std::abort();
}

// Aborts, so that libFuzzer keeps the input as a crash, when `condition` is false.
#define FUZZ_REQUIRE(condition) \
  ((condition) ? static_cast<void>(0) : ::fuzz_support::Fail(#condition, __FILE__, __LINE__))

// A folder of its own for one fuzzer process, removed when the process ends.
class ScratchDir {
 public:
  ScratchDir() {
    std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    std::string pattern = (base / "lexavia-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) Fail("mkdtemp", __FILE__, __LINE__);
    path_ = pattern;
    owner_ = getpid();
  }
  ~ScratchDir() {
    // Forked children (none here) must not remove their parent's folder.
    if (getpid() != owner_) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  pid_t owner_;
};

inline const ScratchDir& Scratch() {
  static ScratchDir dir;
  return dir;
}

inline void WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  FUZZ_REQUIRE(out.good());
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  FUZZ_REQUIRE(in.good());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// `bytes` with every byte outside printable ASCII as \xHH, for messages.
inline std::string Escaped(std::string_view bytes) {
  std::string text;
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      text += c;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      text += hex;
    }
  }
  return text;
}

// Takes the input's leading control bytes one at a time; 0 once none is left.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t TakeByte() {
    if (rest_.empty()) return 0;
    auto byte = static_cast<std::uint8_t>(rest_[0]);
    rest_.remove_prefix(1);
    return byte;
  }
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

// The padding length a control byte asks for: below 240, a few bytes (up
// to 413); from 240 on, a length that puts the input's first few thousand
// bytes across one of `borders` (the block lengths of a reader). Long
// padding is slow, so it is the rarer kind.
inline std::size_t PaddingLength(std::uint8_t control, std::initializer_list<std::size_t> borders) {
  if (control < 240) return std::size_t{control} / 4 * 7;
  std::size_t step = std::size_t{control} - 240;
  std::size_t border = borders.begin()[step % borders.size()];
  std::size_t before = 1 + step / borders.size() * 251;
  return border > before ? border - before : 0;
}

// `count` bytes cycling through `unit`: the text put in front of an input so
// that short inputs reach the borders of the readers' blocks.
inline std::string Padding(std::size_t count, std::string_view unit) {
  std::string padding;
  padding.reserve(count);
  while (padding.size() < count) padding.append(unit.substr(0, count - padding.size()));
  return padding;
}

// The lines a LineReader yields for a file of `bytes`: the file ends at its
// first byte 26; CR and LF end lines; blanks (space, TAB) at the start of a
// line are dropped; what is left empty is no line.
inline std::vector<std::string> ReferenceLines(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\x1A'));
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    std::size_t stop = bytes.find_first_of("\r\n", start);
    if (stop == std::string_view::npos) stop = bytes.size();
    std::string_view line = bytes.substr(start, stop - start);
    std::size_t first = line.find_first_not_of(" \t");
    if (first != std::string_view::npos) lines.emplace_back(line.substr(first));
    start = stop + 1;
  }
  return lines;
}

// A to Z folded to a to z, as the dictionary table compares words.
inline std::string Folded(std::string_view word) {
  std::string folded(word);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

}  // namespace fuzz_support
