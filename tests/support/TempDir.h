// Real files in a fresh temporary folder for tests.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace testing_support {

// A temporary folder, removed with everything in it when the object dies.
class TempDir {
 public:
  TempDir();
  // A fresh folder under `parent` instead of the system's temporary folder.
  explicit TempDir(const std::string& parent);
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // `name` under the folder.
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
// Writes through the platform layer, which reaches a name of any
// Windows-1252 characters on Windows too (the C++ streams take the ANSI code page).
void WriteThroughPlatform(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);
// `size` bytes of noise, the same for the same seed.
std::string RandomBytes(std::size_t size, unsigned seed);

// Makes the temporary folder readable and searchable by others, so that an
// unprivileged child can reach what lies in it.
void OpenUpForOthers(const TempDir& dir);

}  // namespace testing_support
