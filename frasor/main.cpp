// frasor.exe INPUT: writes the sentences of INPUT to INPUT.seg, then creates
// INPUT._frasor_ready_.tmp. On failure it creates no readiness file, says why
// on standard error and exits with the status that names the failure to the
// program that started it (platform::FileError::ExitStatus, or
// platform::OutOfMemoryExitStatus).
#include <cstdio>
#include <exception>
#include <new>

#include "frasor/SegmentFile.h"
#include "platform/FileError.h"

namespace {

// The status of a failure that no file error names: a wrong command line,
// or ICU failing. Read back by the program that started it as "I/O error 1".
int InternalFailureStatus() {
  return platform::FileError(platform::FileErrorKind::Other, 1).ExitStatus();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: frasor.exe INPUT-FILE\n");
    return InternalFailureStatus();
  }
  try {
    frasor::SegmentFile(argv[1]);
    return 0;
  } catch (const platform::FileError& error) {
    std::fprintf(stderr, "frasor.exe: %s: %s\n", argv[1], error.what());
    return error.ExitStatus();
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "frasor.exe: %s: %s\n", argv[1], platform::OutOfMemoryMessage);
    return platform::OutOfMemoryExitStatus;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "frasor.exe: %s: %s\n", argv[1], error.what());
    return InternalFailureStatus();
  }
}
