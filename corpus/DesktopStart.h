// lexavia-corpus started from the Windows desktop: a double click (no
// argument: it asks for the folder) or a folder dropped on it in Explorer
// (that folder its one argument). The outputs go into that folder,
// candidatos.html opens in the default browser, and the console, the
// program's own, stays until the user presses Enter, so that the summary
// can be read.
#pragma once

#include <string>
#include <vector>

namespace corpus {

// Whether the program was started from the desktop with `arguments` (those
// after its name) of such a start.
bool IsDesktopStart(const std::vector<std::string>& arguments);

// Runs the folder given or asked for; returns the exit status.
int RunFromDesktop(const std::vector<std::string>& arguments);

// Set in its environment, the program says which page it would open and
// leaves the browser closed (for the tests).
inline constexpr const char* NoBrowserVariable = "LEXAVIA_CORPUS_NO_BROWSER";

}  // namespace corpus
