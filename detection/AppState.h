// Process-wide state that every run uses.
#pragma once

#include <string>

// The current directory when the program started, without a trailing
// separator except at the root. The dictionaries and the segmenter are
// looked up under it: AppDir followed by a fixed path that begins with a
// separator (platform::PathUnder).
extern std::string AppDir;
