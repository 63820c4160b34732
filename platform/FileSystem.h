// File-system operations besides reading and writing files.
#pragma once

#include <string>

namespace platform {

// The process's current working directory, without a trailing separator
// except at the root.
std::string CurrentDirectory();

// True when `path` names an existing file; a folder does not count.
bool FileExists(const std::string& path);

// Deletes a file; false when it could not be deleted (never throws).
bool DeleteFile(const std::string& path);

// Replaces `to` by `from` in one step; throws FileError.
void RenameFile(const std::string& from, const std::string& to);

}  // namespace platform
