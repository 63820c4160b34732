#include "support/StandInSegmenter.h"

#include <sys/stat.h>

#include <filesystem>

#include "support/TempDir.h"

namespace testing_support {

void InstallStandInSegmenter(const std::string& path, const std::string& body, int mode) {
  std::filesystem::remove(path);
  WriteBytes(path, "#!/bin/sh\n" + body + "\n");
  chmod(path.c_str(), static_cast<mode_t>(mode));
}

}  // namespace testing_support
