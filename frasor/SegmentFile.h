// The whole work of the segmenter on one input file.
#pragma once

#include <string>

namespace frasor {

// The name of the segmented text of `inputPath`.
std::string SegmentedName(const std::string& inputPath);

// The name of the empty file that says the segmented text is complete.
std::string ReadinessName(const std::string& inputPath);

// Writes the sentences of the text in `inputPath`, one per CR LF line in
// Windows-1252, to SegmentedName(inputPath), closes it, and only then creates
// the empty file ReadinessName(inputPath). Characters that Windows-1252
// lacks are written as "?", and so is byte 26, which readers of the
// segmented text take for its end. The input is read in blocks, so
// memory grows with the longest paragraph, not with the file. Throws
// platform::FileError, before the readiness file exists.
void SegmentFile(const std::string& inputPath);

}  // namespace frasor
