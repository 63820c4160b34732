#include <cstdint>
#include <cstdio>
#include <random>

#include "platform/FileSystem.h"

namespace platform {
namespace {

bool EndsFolder(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/' || c == ':';
#else
  return c == '/';
#endif
}

}  // namespace

std::string TemporaryNameBeside(const std::string& path) {
  // Seeded once from the system, so that two programs writing beside the
  // same file draw different names.
  static std::mt19937 random{std::random_device{}()};
  std::size_t nameStart = path.size();
  while (nameStart > 0 && !EndsFolder(path[nameStart - 1])) --nameStart;
  char stem[9];
  std::snprintf(stem, sizeof stem, "%08x", static_cast<unsigned>(random()));
  return path.substr(0, nameStart) + stem + std::string(TemporaryEnding);
}

}  // namespace platform
