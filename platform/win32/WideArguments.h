// The arguments of a wide command line as the system's Windows-1252 strings.
#pragma once

#include <string>
#include <vector>

namespace platform::win32 {

// The arguments after the program's name in `commandLine`, split by the
// system's own rules and each converted as NarrowPath converts it: throws
// FileError::InvalidName() for a character that Windows-1252 lacks.
std::vector<std::string> ArgumentsOfCommandLine(const std::wstring& commandLine);

}  // namespace platform::win32
