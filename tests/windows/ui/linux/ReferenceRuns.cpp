// The Linux build's side of the Windows build's end-to-end test: runs the
// detection in one process, as the main window does, on the same inputs,
// so that the reports and the user dictionaries of the two builds can be
// compared byte for byte.
//
//   reference_runs APP_DIR INPUT STORE IGNORE [INPUT STORE IGNORE]...
//
// APP_DIR holds dicionarios/ and segmentador/; STORE and IGNORE are 1 or 0,
// the "Sim" boxes of the two questions. Prints each completion message and
// how long the run took to reach the segmenter; exits with 1 at the first
// run that fails.
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "detection/DetectionRun.h"
#include "detection/StatusLine.h"
#include "detection/StatusTexts.h"

int main(int argc, char** argv) {
  if (argc < 5 || (argc - 2) % 3 != 0) {
    std::cerr << "usage: reference_runs APP_DIR INPUT STORE IGNORE [INPUT STORE IGNORE]...\n";
    return 2;
  }
  try {
    std::filesystem::current_path(argv[1]);
    StartUp();
    using Clock = std::chrono::steady_clock;
    Clock::time_point segmenting;
    SetStatusSink([&](std::string_view text) {
      if (text == status_text::Segmenting) segmenting = Clock::now();
    });
    for (int run = 2; run + 2 < argc; run += 3) {
      std::string input = argv[run];
      bool storeNew = std::string(argv[run + 1]) == "1";
      bool ignoreStored = std::string(argv[run + 2]) == "1";
      Clock::time_point start = Clock::now();
      std::cout << RunDetection(input, storeNew, ignoreStored) << "\n";
      std::printf("From the start to the segmenter: %.2f s\n",
                  std::chrono::duration<double>(segmenting - start).count());
    }
    ShutDown();
  } catch (const std::exception& failure) {
    std::cerr << "reference_runs: " << failure.what() << "\n";
    return 1;
  }
  return 0;
}
