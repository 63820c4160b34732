#include "detection/SegmenterBridge.h"

#include <algorithm>
#include <cerrno>

#include "detection/AppState.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/Process.h"

namespace {

// The wait polls often at first, when a small text may be done already,
// then less, so that it does not keep a core busy.
constexpr unsigned FirstPauseMicroseconds = 100;
constexpr unsigned LongestPauseMicroseconds = 5000;

platform::FileError ErrorOfEnd(const platform::ProcessEnd& end) {
  if (end.killedBySignal) {
    return platform::FileError(platform::FileErrorKind::Other, SegmenterKilledCode);
  }
  if (end.code == 0) {
    return platform::FileError(platform::FileErrorKind::Other, SegmenterExitedSilentlyCode);
  }
  return platform::FileError::FromStatusCode(end.code);
}

}  // namespace

std::string SegmenterCommandLine(const std::string& inputName) {
  std::size_t kept = inputName.find_last_not_of('\\');
  std::size_t trailing = kept == std::string::npos ? inputName.size() : inputName.size() - kept - 1;
  return "\"" + AppDir + "/segmentador/frasor.exe\" \"" + inputName + std::string(trailing, '\\') +
         "\"";
}

void RunSegmenter(const std::string& inputName) {
  if (inputName.find('"') != std::string::npos) {
    throw platform::FileError(platform::FileErrorKind::PathNotFound, EINVAL);
  }
  const std::string readinessName = inputName + "._frasor_ready_.tmp";
  // A readiness file left behind would end the wait before the segmenter ran.
  platform::DeleteFile(readinessName);
  platform::DeleteFile(inputName + ".seg");

  platform::Process segmenter = platform::Process::Start(SegmenterCommandLine(inputName));
  unsigned pause = FirstPauseMicroseconds;
  while (!platform::FileExists(readinessName)) {
    if (std::optional<platform::ProcessEnd> end = segmenter.PollEnd()) {
      // The file may have appeared between the test and the end.
      if (platform::FileExists(readinessName)) return;
      throw ErrorOfEnd(*end);
    }
    platform::SleepMicroseconds(pause);
    pause = std::min(pause * 2, LongestPauseMicroseconds);
  }
}
