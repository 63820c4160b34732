// The arguments that a program was started with, as the system's
// Windows-1252 strings.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The arguments after the program's name. On POSIX they are `argv` as it is.
// On Windows `argv` holds them in the machine's ANSI code page, with another
// character for each one that code page lacks, so they are taken from the
// wide command line and converted with code page 1252 whatever that code
// page is. Throws FileError::InvalidName() for an argument holding a
// character that Windows-1252 lacks: it would name another file.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace platform
