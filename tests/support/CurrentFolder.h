// Makes a folder the current directory for the life of the object.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

class CurrentFolderScope {
 public:
  explicit CurrentFolderScope(const std::string& folder)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~CurrentFolderScope() { std::filesystem::current_path(previous_); }
  CurrentFolderScope(const CurrentFolderScope&) = delete;
  CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;

 private:
  std::filesystem::path previous_;
};

}  // namespace testing_support
