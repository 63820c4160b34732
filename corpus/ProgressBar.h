// The progress of a corpus run on standard error, redrawn in place: the
// documents done of all, the speed and the time left.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "corpus/CorpusScan.h"

namespace corpus {

// "[#####---------------] 120/6000 documentos  35,2 MB/s  faltam 0:42"
// after `seconds` of scanning.
std::string ProgressLine(const ScanProgress& progress, double seconds);

class ProgressBar {
 public:
  // Draws only when `shown` (standard error is a terminal).
  explicit ProgressBar(bool shown);
  void Show(const ScanProgress& progress);
  // Ends the bar's line, once it was drawn.
  void Finish();

 private:
  bool shown_;
  bool drawn_ = false;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace corpus
