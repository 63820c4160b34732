// Command lines by the rules of Windows programs, where a program receives
// its arguments as one string: the segmenter is started that way there.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The command line that starts `program` with the one argument `argument`,
// neither holding a double quote: each in double quotes, separated by one
// blank, with the backslashes that end `argument` doubled so that they do
// not escape the closing quote.
std::string QuotedCommandLine(std::string_view program, std::string_view argument);

// Splits a command line into its arguments by the rules of Windows programs:
// blanks separate arguments outside double quotes; 2n backslashes before a
// quote give n backslashes and the quote groups, 2n+1 give n backslashes
// and a literal quote; "" inside quotes is a literal quote; other
// backslashes are literal. The first argument, the program, only groups by
// quotes and takes backslashes as they are.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

}  // namespace platform
