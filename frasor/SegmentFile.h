// The whole work of the segmenter on one input file.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "frasor/TextEncoding.h"
#include "platform/TextFile.h"

namespace frasor {

// The sentences of one input file, in process.
class SentenceSource {
 public:
  // Detects the encoding of `inputPath` and opens it. Throws
  // platform::FileError.
  explicit SentenceSource(const std::string& inputPath);

  // Gives the sentences of the text to `sentence`, in text order, each as
  // SegmentFile writes it as a line (without the line break):
  // Windows-1252, "?" for characters that Windows-1252 lacks and for byte
  // 26. Memory grows with the longest paragraph, not with the file. Call
  // once. Throws platform::FileError.
  void GiveSentences(const std::function<void(std::string_view sentence)>& sentence);

 private:
  DetectedEncoding detected_;  // before input_: the file is opened once its encoding is known
  platform::InputFile input_;
};

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
