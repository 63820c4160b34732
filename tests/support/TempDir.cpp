#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/TextFile.h"

namespace testing_support {
namespace {

namespace fs = std::filesystem;

// Write permission on a folder and what it holds, for a test that took it away.
void OpenUp(const fs::path& path) {
  std::error_code ignored;
  fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
}

}  // namespace

TempDir::TempDir() : TempDir(fs::temp_directory_path().string()) {}

TempDir::TempDir(const std::string& parent) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = fs::path(parent) / ("lexavia-test-" + std::to_string(random()));
    if (fs::create_directory(candidate)) {
      path_ = candidate.string();
      // The POSIX build's folders are as mkdtemp makes them: the owner's only.
      fs::permissions(candidate, fs::perms::owner_all, fs::perm_options::replace);
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary folder");
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Restore permissions a test took away, so the folder can be removed.
  for (auto it = fs::recursive_directory_iterator(
           path_, fs::directory_options::skip_permission_denied, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored)) OpenUp(it->path());
  }
  OpenUp(path_);
  fs::remove_all(path_, ignored);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteThroughPlatform(const std::string& path, std::string_view bytes) {
  platform::OutputFile file = platform::OutputFile::Create(path);
  file.Write(bytes);
  file.Close();
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void OpenUpForOthers(const TempDir& dir) {
  fs::permissions(dir.Path(), fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write,
                  fs::perm_options::replace);
}

std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random());
  return bytes;
}

}  // namespace testing_support
