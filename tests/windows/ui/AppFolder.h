// The application folders the driver lays out for each test in a temporary
// folder of its own, from the unpacked release the test script prepared,
// and the texts the runs read.
#pragma once

#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace driver {

// A folder the test script prepared, named by an environment variable:
// LEXAVIA_RELEASE (the unpacked release's folder), LEXAVIA_TEXTS (the input
// texts), LEXAVIA_LINUX_REFERENCE (the Linux build's reports of the same
// runs), LEXAVIA_STAND_IN (a segmenter that never signals).
std::filesystem::path Prepared(const char* variable);

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

class AppFolder {
 public:
  enum class MainDictionary { Shipped, Small, Missing };

  // The release's program, segmenter and empty user dictionary, with the
  // main dictionary chosen, in a folder named `name`, and a copy of the
  // input texts beside it.
  explicit AppFolder(MainDictionary mainDictionary, const std::wstring& name = L"app");

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path Program() const { return path_ / L"Lexavia.exe"; }
  std::filesystem::path MainDictionaryPath() const;
  std::filesystem::path UserDictionaryPath() const;
  const std::filesystem::path& Texts() const { return texts_; }

  // Puts `program` in the place of the segmenter.
  void InstallSegmenter(const std::filesystem::path& program) const;

 private:
  testing_support::TempDir temp_;
  std::filesystem::path path_;
  std::filesystem::path texts_;
};

}  // namespace driver
