// What a console program started from the desktop (a double click, or files
// dropped on it in Explorer) does with the desktop: it asks for a folder
// and shows a page it wrote. Only Windows has such a start; on Linux a
// program runs from its terminal.
#pragma once

#include <optional>
#include <string>

namespace platform {

// True when the program was started from the desktop: on Windows, its
// console is its own (made for it at its start, as a double click does,
// not a command prompt's that other programs share). False on Linux.
bool StartedFromDesktop();

// The folder the user picks in the system's folder dialog, titled `title`
// (Windows-1252); empty when the user cancels or there is no such dialog.
std::optional<std::string> AskForFolder(const std::string& title);

// Opens the file `path` with the program the system opens it with (a page
// in the default browser); false when the system could not.
bool OpenWithDefaultProgram(const std::string& path);

}  // namespace platform
