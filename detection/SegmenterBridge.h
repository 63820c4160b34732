// Has the outside segmenter, AppDir/segmentador/frasor.exe, split the input
// text into sentences.
#pragma once

#include <exception>
#include <string>

// "I/O error" codes of a segmenter that ended before its readiness file
// existed without naming a file error: it exited with status 0, or a signal
// killed it.
inline constexpr int SegmenterExitedSilentlyCode = 1000;
inline constexpr int SegmenterKilledCode = 1001;

// Ends a run whose wait for the segmenter met a request to end the program:
// the run stops there, and the program then closes as usual.
class RunInterrupted : public std::exception {
 public:
  const char* what() const noexcept override { return "termination requested"; }
};

// Starts the segmenter with `inputName` as its one argument after deleting
// the readiness file and `inputName` + ".seg" of an earlier run, and returns
// once the readiness file `inputName` + "._frasor_ready_.tmp" exists and the
// segmenter has ended; one that has not ended shortly after creating the
// readiness file is stopped, since it has nothing left to do. Throws
// platform::FileError: the error of a segmenter that cannot be started, or
// the error its exit status names when it ends before the readiness file
// exists; std::bad_alloc when it ran out of memory; RunInterrupted when
// termination is requested during the wait. No segmenter outlives the call.
void RunSegmenter(const std::string& inputName);
