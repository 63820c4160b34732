// A file written under a temporary name beside the one it replaces, and
// renamed into place once complete, so that no reader ever sees it half
// written; unless it was committed, the temporary file is closed and removed.
#pragma once

#include <string>

#include "platform/TextFile.h"

namespace platform {

class ReplacementFile {
 public:
  // With `inPlaceWhenRefused`, where no new file can be made beside it (a
  // folder without write permission) but the file exists and may be
  // written, it is written in place instead. Throws FileError.
  explicit ReplacementFile(std::string finalName, bool inPlaceWhenRefused = false);
  // Reached before Commit only when an error is on its way, which stays the
  // error the user is told of.
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  OutputFile& File() { return file_; }
  // Fails, before anything is replaced, when this file could not be.
  void CheckReplaceable() const;
  // Puts the complete file in place; close File() first.
  void Commit();

 private:
  void RemoveTemporary() const;
  OutputFile CreateTemporaryOrInPlace(bool inPlaceWhenRefused);

  std::string finalName_;
  std::string temporaryName_;  // set while file_ is made, so declared before it
  bool inPlace_ = false;       // likewise
  OutputFile file_;
  bool committed_ = false;
};

}  // namespace platform
