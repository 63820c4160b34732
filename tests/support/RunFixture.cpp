#include "support/RunFixture.h"

#include <filesystem>

#include "detection/CandidateList.h"
#include "detection/DetectionRun.h"
#include "detection/StatusLine.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"

namespace testing_support {

void RunFixture::SetUp() {
  OpenUpForOthers(app_);
  OpenUpForOthers(texts_);
  std::filesystem::create_directories(app_ / "dicionarios");
  std::filesystem::create_directories(app_ / "segmentador");
  InstallSegmenter();
  WriteBytes(mainPath_, "o\r\num\r\nnovo\r\nde\r\n");
  WriteBytes(userPath_, "");
  inApp_.emplace(app_.Path());
  StartUp();
  SetStatusSink([this](std::string_view text) { statuses_.emplace_back(text); });
}

void RunFixture::TearDown() {
  SetStatusSink(nullptr);
  ShutDown();
  inApp_.reset();
}

void RunFixture::InstallSegmenter() {
  std::filesystem::remove(app_ / "segmentador/frasor.exe");
  std::filesystem::copy_file(LEXAVIA_FRASOR, app_ / "segmentador/frasor.exe");
}

std::string RunFixture::FailureOf(const std::string& input, bool storeNew) {
  try {
    RunDetection(input, storeNew, false);
  } catch (const platform::FileError& error) {
    return error.what();
  }
  return "no error";
}

void RunFixture::ExpectNoTemporaryFilesOf(const std::string& input) {
  EXPECT_FALSE(platform::FileExists(input + ".seg"));
  EXPECT_FALSE(platform::FileExists(input + "._frasor_ready_.tmp"));
  std::filesystem::path folder = std::filesystem::path(input).parent_path();
  if (folder.empty()) folder = ".";
  if (std::filesystem::is_directory(folder)) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      EXPECT_FALSE(entry.path().filename().string().ends_with(platform::TemporaryEnding))
          << entry.path();
    }
  }
  EXPECT_EQ(CandidateList.Head, nullptr);
}

std::string CompletionFor(const std::string& input) {
  return "Candidatos a neologismos detectados e armazenados nos arquivos " + input +
         "_candidatos-neologismos.txt e " + input + "_candidatos-neologismos.html";
}

}  // namespace testing_support
