#include "detection/SegmenterBridge.h"

#include <algorithm>
#include <new>
#include <optional>

#include "detection/AppState.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/Process.h"
#include "platform/TerminationRequest.h"

namespace {

// The wait polls often at first, when a small text may be done already,
// then less, so that it does not keep a core busy.
constexpr unsigned FirstPauseMicroseconds = 100;
constexpr unsigned LongestPauseMicroseconds = 5000;

// How long a segmenter that has signalled readiness may take to exit
// before it is stopped.
constexpr unsigned ExitGraceMilliseconds = 2000;

[[noreturn]] void ThrowErrorOfEnd(const platform::ProcessEnd& end) {
  if (end.killedBySignal) {
    throw platform::FileError(platform::FileErrorKind::Other, SegmenterKilledCode);
  }
  if (end.code == 0) {
    throw platform::FileError(platform::FileErrorKind::Other, SegmenterExitedSilentlyCode);
  }
  if (end.code == platform::OutOfMemoryExitStatus) throw std::bad_alloc();
  throw platform::FileError::FromExitStatus(end.code);
}

}  // namespace

void RunSegmenter(const std::string& inputName) {
  const std::string readinessName = inputName + "._frasor_ready_.tmp";
  // A readiness file left behind would end the wait before the segmenter ran.
  platform::RemoveFile(readinessName);
  platform::RemoveFile(inputName + ".seg");

  platform::Process segmenter = platform::Process::Start(
      platform::PathUnder(AppDir, {"segmentador", "frasor.exe"}), inputName);
  unsigned pause = FirstPauseMicroseconds;
  while (!platform::FileExists(readinessName)) {
    if (platform::TerminationRequested()) throw RunInterrupted();
    if (std::optional<platform::ProcessEnd> end = segmenter.PollEnd()) {
      // The file may have appeared between the test and the end.
      if (platform::FileExists(readinessName)) return;
      ThrowErrorOfEnd(*end);
    }
    platform::SleepMicroseconds(pause);
    pause = std::min(pause * 2, LongestPauseMicroseconds);
  }
  segmenter.WaitForEnd(ExitGraceMilliseconds);
}
