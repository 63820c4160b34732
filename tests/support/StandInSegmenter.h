// A shell script in the segmenter's place, for tests of how the system meets
// segmenters that fail, linger or never signal (POSIX only).
#pragma once

#include <string>

namespace testing_support {

// Replaces the file `path` by a script doing `body`, in which "$1" is the
// input name, with the permission bits `mode`.
void InstallStandInSegmenter(const std::string& path, const std::string& body, int mode = 0755);

}  // namespace testing_support
