// lexavia-corpus's command line: reads the options and paths, runs the
// corpus (or merges partial tables), writes the outputs and tells the user
// in Portuguese on standard error.
#pragma once

#include <string>
#include <vector>

namespace corpus {

// Exit statuses: all done; done, but some documents (or paths) could not be
// read; nothing done.
inline constexpr int ExitDone = 0;
inline constexpr int ExitSomeUnreadable = 1;
inline constexpr int ExitNothingDone = 2;

// `arguments` are those after the program's name, as the system's strings.
int RunCorpusProgram(const std::vector<std::string>& arguments);

// Tells the user `message` (UTF-8) on standard error, after the program's name.
void Say(const std::string& message);

}  // namespace corpus
