// frasor.exe INPUT: writes the sentences of INPUT to INPUT.seg, then creates
// INPUT._frasor_ready_.tmp. On failure it creates no readiness file, says why
// on standard error and exits with the status that names the failure to the
// program that started it (platform::FileError::ExitStatus, or
// platform::OutOfMemoryExitStatus).
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "frasor/SegmentFile.h"
#include "platform/FileError.h"
#include "platform/ProgramArguments.h"

namespace {

// The status of a failure that no file error names: a wrong command line,
// or the Unicode steps failing. Read back by the program that started it as
// "I/O error 1".
int InternalFailureStatus() {
  return platform::FileError(platform::FileErrorKind::Other, 1).ExitStatus();
}

// Says why on standard error, with the input's name once it was read, and
// returns `status`.
int Fail(const char* input, const char* why, int status) {
  if (input) {
    std::fprintf(stderr, "frasor.exe: %s: %s\n", input, why);
  } else {
    std::fprintf(stderr, "frasor.exe: %s\n", why);
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> arguments;
  const char* input = nullptr;
  try {
    // A name with a character that Windows-1252 lacks fails here.
    arguments = platform::ProgramArguments(argc, argv);
    if (arguments.size() != 1) {
      std::fprintf(stderr, "usage: frasor.exe INPUT-FILE\n");
      return InternalFailureStatus();
    }
    input = arguments[0].c_str();
    frasor::SegmentFile(arguments[0]);
    return 0;
  } catch (const platform::FileError& error) {
    return Fail(input, error.what(), error.ExitStatus());
  } catch (const std::bad_alloc&) {
    return Fail(input, platform::OutOfMemoryMessage, platform::OutOfMemoryExitStatus);
  } catch (const std::exception& error) {
    return Fail(input, error.what(), InternalFailureStatus());
  }
}
