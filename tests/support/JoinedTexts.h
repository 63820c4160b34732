// A corpus's texts as one input file, for the tools that measure the
// candidates of a whole corpus with the desktop program's run.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

// Writes the *.txt files of `folders`, in the order of their paths, one
// after the other to `joined`, each ending in a blank line. Throws
// std::runtime_error when the folders hold no text.
void JoinTexts(const std::vector<std::string>& folders, const std::string& joined);

}  // namespace testing_support
