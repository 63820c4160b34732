#include "corpus/ProgressBar.h"

#include <cstdio>

namespace corpus {

std::string ProgressLine(const ScanProgress& progress, double seconds) {
  constexpr std::size_t Width = 20;
  std::size_t filled = progress.documentsTotal == 0
                           ? Width
                           : Width * progress.documentsDone / progress.documentsTotal;
  std::string line = "[" + std::string(filled, '#') + std::string(Width - filled, '-') + "] ";
  line += std::to_string(progress.documentsDone) + "/" + std::to_string(progress.documentsTotal) +
          " documentos";
  if (seconds > 0 && progress.documentsDone > 0) {
    char speed[32];
    std::snprintf(speed, sizeof speed, "  %.1f MB/s", progress.bytesDone / seconds / 1e6);
    std::string text = speed;
    for (char& byte : text) {
      if (byte == '.') byte = ',';  // the decimal comma
    }
    line += text;
    double left = seconds * static_cast<double>(progress.documentsTotal - progress.documentsDone) /
                  static_cast<double>(progress.documentsDone);
    auto whole = static_cast<unsigned long>(left + 0.5);
    char time[32];
    std::snprintf(time, sizeof time, "  faltam %lu:%02lu", whole / 60, whole % 60);
    line += time;
  }
  return line;
}

ProgressBar::ProgressBar(bool shown) : shown_(shown), start_(std::chrono::steady_clock::now()) {}

void ProgressBar::Show(const ScanProgress& progress) {
  if (!shown_) return;
  std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
  // Spaces clear what a longer line before left behind.
  std::fprintf(stderr, "\r%s    ", ProgressLine(progress, elapsed.count()).c_str());
  std::fflush(stderr);
  drawn_ = true;
}

void ProgressBar::Finish() {
  if (drawn_) std::fputs("\n", stderr);
  drawn_ = false;
}

}  // namespace corpus
