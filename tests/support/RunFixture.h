// A temporary application folder with small dictionaries and the real
// segmenter, made the current directory before StartUp, for tests that
// drive whole runs through RunDetection.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/CurrentFolder.h"
#include "support/TempDir.h"

namespace testing_support {

class RunFixture : public ::testing::Test {
 protected:
  RunFixture() = default;
  // The application folder and the texts' folder under `parent`.
  explicit RunFixture(const std::string& parent) : app_(parent), texts_(parent) {}

  void SetUp() override;
  void TearDown() override;

  // Puts the real segmenter, built by this project, in place.
  void InstallSegmenter();
  std::string SegmenterPath() const { return app_ / "segmentador/frasor.exe"; }

  // The message of the file error that ends a run on `input`, or "no error".
  std::string FailureOf(const std::string& input, bool storeNew = false);
  void ExpectNoTemporaryFilesOf(const std::string& input);

  TempDir app_;
  TempDir texts_;
  std::string mainPath_ = app_ / "dicionarios/dicionario_principal.txt";
  std::string userPath_ = app_ / "dicionarios/dicionario_usuario.txt";
  std::string input_ = texts_ / "artigo.txt";
  std::optional<CurrentFolderScope> inApp_;
  std::vector<std::string> statuses_;
};

// The completion message of a run on `input`.
std::string CompletionFor(const std::string& input);

}  // namespace testing_support
