// The stand-in segmenter of the Windows build (StandInSegmenter.cpp) in the
// place of the real one, doing what `behaviour` says.
#pragma once

#include <filesystem>
#include <string>

#include "support/TempDir.h"

inline void InstallStandIn(const std::string& segmenterPath, const std::string& behaviour) {
  std::filesystem::path segmenter = segmenterPath;
  std::filesystem::copy_file(STAND_IN_SEGMENTER, segmenter,
                             std::filesystem::copy_options::overwrite_existing);
  testing_support::WriteBytes((segmenter.parent_path() / "comportamento.txt").string(),
                              behaviour + "\n");
}
