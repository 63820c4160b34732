// A scratch application folder for the benchmarks of whole runs, so that
// the real user dictionary is never touched.
#pragma once

#include <string>

namespace bench_support {

class ScratchAppFolder {
 public:
  // Lays out a folder under the system's temporary folder holding the main
  // dictionary and the segmenter of the application folder `app` (other
  // names of the same files where the system allows it), a user dictionary
  // of 1,000 words, and the text of the run: a copy of the file `text`, or,
  // when `text` is empty, `generated`. Throws when `app` lacks either file.
  ScratchAppFolder(const std::string& app, const std::string& text, const std::string& generated);
  ~ScratchAppFolder();
  ScratchAppFolder(const ScratchAppFolder&) = delete;
  ScratchAppFolder& operator=(const ScratchAppFolder&) = delete;

  const std::string& Folder() const { return folder_; }
  const std::string& Text() const { return text_; }
  double TextMegabytes() const { return megabytes_; }

 private:
  std::string folder_;
  std::string text_;
  double megabytes_;
};

// The application folder of the benchmarks: LEXAVIA_APP_DIR, or `byDefault`.
std::string BenchAppFolder(const char* byDefault);

}  // namespace bench_support
