// frasor.exe INPUT: writes the sentences of INPUT to INPUT.seg, then creates
// INPUT._frasor_ready_.tmp. On failure it creates no readiness file, says why
// on standard error and exits with the file error's status code (2 file not
// found, 3 folder not found, 4 too many open files, 5 access denied, the
// system's error code otherwise).
#include <cerrno>
#include <cstdio>
#include <exception>
#include <new>

#include "frasor/SegmentFile.h"
#include "platform/FileError.h"

namespace {

// Exit status when ICU or another part fails in a way no file error names.
constexpr int InternalFailureStatus = 1;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: frasor.exe INPUT-FILE\n");
    return EINVAL;
  }
  try {
    frasor::SegmentFile(argv[1]);
    return 0;
  } catch (const platform::FileError& error) {
    std::fprintf(stderr, "frasor.exe: %s: %s\n", argv[1], error.what());
    return error.StatusCode();
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "frasor.exe: %s: %s\n", argv[1], platform::OutOfMemoryMessage);
    return ENOMEM;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "frasor.exe: %s: %s\n", argv[1], error.what());
    return InternalFailureStatus;
  }
}
