// An application folder holding only the segmenter's folder, for tests of
// the bridge that starts it.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "detection/AppState.h"
#include "detection/SegmenterBridge.h"
#include "platform/FileError.h"
#include "support/TempDir.h"

class SegmenterBridgeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AppDir = appDir_.Path();
    std::filesystem::create_directory(appDir_ / "segmentador");
  }

  std::string SegmenterPath() const { return appDir_ / "segmentador/frasor.exe"; }

  void InstallRealSegmenter() { std::filesystem::copy_file(FRASOR_EXE, SegmenterPath()); }

  // The error RunSegmenter ends with; fails the test when it returns.
  platform::FileError RunError(const std::string& inputName) {
    try {
      RunSegmenter(inputName);
    } catch (const platform::FileError& error) {
      return error;
    }
    ADD_FAILURE() << "RunSegmenter returned";
    return platform::FileError(platform::FileErrorKind::Other, 0);
  }

  testing_support::TempDir appDir_;
  testing_support::TempDir texts_;
};
