// A detection run as the main window's detect button performs it, with
// every way it can end caught, so that the window goes on afterwards.
#pragma once

#include <string>
#include <string_view>

#include "ui/common/NameEncoding.h"

struct RunOutcome {
  enum class Ending {
    Completed,    // `text` is the completion message
    Failed,       // `text` is the error box's text (FailureText)
    Interrupted,  // the program is to close: nothing is shown
  };
  Ending ending;
  std::string text;  // Windows-1252, with names as the system holds them
};

// Runs the detection on the file named `typedName`, as the system holds it
// (NameHeldExactly: a name it cannot hold fails the run with "Invalid
// filename" before any file is touched). Never throws.
RunOutcome RunFromWindow(std::u16string_view typedName, const NameEncoding& encoding, bool storeNew,
                         bool ignoreStored);
