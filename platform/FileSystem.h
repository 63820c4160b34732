// File-system operations besides reading and writing files.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// What separates the folders of a path: a backslash on Windows.
#ifdef _WIN32
inline constexpr char FolderSeparator = '\\';
#else
inline constexpr char FolderSeparator = '/';
#endif

// `folder` followed directly by each of `names`, each after a separator,
// with nothing added or taken away: under a root that ends in a separator,
// two stand in a row.
inline std::string PathUnder(std::string_view folder,
                             std::initializer_list<std::string_view> names) {
  std::string path(folder);
  for (std::string_view name : names) (path += FolderSeparator) += name;
  return path;
}

// Every call that takes a path refuses one holding a NUL byte with
// FileError::InvalidName(), before it touches anything.

// The process's current working directory, without a trailing separator
// except at the root. Throws FileError: "Invalid filename" when the folder
// was deleted.
std::string CurrentDirectory();

// True when `path` names an existing file; a folder does not count.
bool FileExists(const std::string& path);

// True when `path` names an existing folder.
bool FolderExists(const std::string& path);

// The names of the files and of the folders directly in `folder` ("." and
// ".." left out), unsorted. Throws FileError.
struct FolderEntries {
  std::vector<std::string> files;
  std::vector<std::string> folders;
  // Windows names that Windows-1252 cannot hold, so that no path of this
  // program reaches them: to name to the user, each such character shown as '?'.
  std::vector<std::string> unheldFiles;
  std::vector<std::string> unheldFolders;
};
FolderEntries ListFolder(const std::string& folder);

// The path of the running program's executable file. Throws FileError.
std::string ExecutablePath();

// Deletes a file; false when it could not be deleted.
bool RemoveFile(const std::string& path);

// Replaces `to` by `from` in one step; throws FileError.
void RenameFile(const std::string& from, const std::string& to);

// Throws the FileError that replacing the existing file `path` by
// RenameFile would meet now, where it can be told beforehand: a folder of
// that name, a name the file system refuses, or on Windows a file marked
// read-only ("File access denied") or held open by another program that
// does not let it be replaced ("I/O error 32"). Nothing when no file of
// that name exists.
void CheckReplaceable(const std::string& path);

// How the names of TemporaryNameBeside end.
inline constexpr std::string_view TemporaryEnding = ".lexavia-tmp";

// A name in the folder of `path` for a file that is to replace it: eight
// random hexadecimal digits and TemporaryEnding, 20 characters in all, so
// that it never makes a path longer than that of a file whose own name is
// longer. A new call gives another name; create the file exclusively.
std::string TemporaryNameBeside(const std::string& path);

}  // namespace platform
