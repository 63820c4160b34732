#include "platform/Desktop.h"

namespace platform {

// A program started from a terminal has its arguments: no desktop start,
// no dialog, no page opened.
bool StartedFromDesktop() { return false; }

std::optional<std::string> AskForFolder(const std::string&) { return std::nullopt; }

bool OpenWithDefaultProgram(const std::string&) { return false; }

}  // namespace platform
