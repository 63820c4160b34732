#include "ui/common/WindowRun.h"

#include <exception>

#include "detection/DetectionRun.h"
#include "detection/SegmenterBridge.h"
#include "ui/common/FailureText.h"

RunOutcome RunFromWindow(std::u16string_view typedName, const NameEncoding& encoding, bool storeNew,
                         bool ignoreStored) {
  try {
    return {RunOutcome::Ending::Completed,
            RunDetection(NameHeldExactly(typedName, encoding), storeNew, ignoreStored)};
  } catch (const RunInterrupted&) {
    return {RunOutcome::Ending::Interrupted, {}};
  } catch (const std::exception& failure) {
    return {RunOutcome::Ending::Failed, FailureText(failure)};
  }
}
