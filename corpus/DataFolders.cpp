#include "corpus/DataFolders.h"

#include <cstdlib>

#include "platform/FileSystem.h"

namespace corpus {
namespace {

// The folder `name` beside the executable or, on Linux when there is none,
// in the installed layout's ../share/lexavia/.
std::string DataFolder(const char* name) {
  std::string beside = platform::PathUnder(FolderOf(platform::ExecutablePath()), {name});
#ifndef _WIN32
  if (!platform::FolderExists(beside)) {
    return platform::PathUnder(FolderOf(platform::ExecutablePath()),
                               {"..", "share", "lexavia", name});
  }
#endif
  return beside;
}

std::string BesideExecutable() {
  return platform::PathUnder(FolderOf(platform::ExecutablePath()), {"dicionarios"});
}

}  // namespace

std::string FolderOf(const std::string& path) {
#ifdef _WIN32
  std::size_t separator = path.find_last_of("\\/");
#else
  std::size_t separator = path.find_last_of('/');
#endif
  if (separator == std::string::npos) return ".";
  return separator == 0 ? path.substr(0, 1) : path.substr(0, separator);
}

std::string DefaultDictionaryFolder() { return DataFolder("dicionarios"); }

std::string DefaultUserDictionary() {
  std::string beside = BesideExecutable();
#ifndef _WIN32
  if (!platform::FolderExists(beside)) {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (dataHome != nullptr && *dataHome != '\0') {
      base = dataHome;
    } else {
      const char* home = std::getenv("HOME");
      base = platform::PathUnder(home != nullptr ? home : "", {".local", "share"});
    }
    return platform::PathUnder(base, {"lexavia", "dicionarios", UserDictionaryName});
  }
#endif
  return platform::PathUnder(beside, {UserDictionaryName});
}

std::string ListsFolder() { return DataFolder("corpus"); }

}  // namespace corpus
