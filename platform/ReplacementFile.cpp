#include "platform/ReplacementFile.h"

#include <utility>

#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/Process.h"

namespace platform {
namespace {

// How often, and how long apart, the deletion of a temporary file that
// failed is tried again: a program that looks into new files (an indexer, a
// virus scanner) may hold one for a moment.
constexpr int RemovalAttempts = 20;
constexpr unsigned RemovalRetryMicroseconds = 50000;

}  // namespace

ReplacementFile::ReplacementFile(std::string finalName, bool inPlaceWhenRefused)
    : finalName_(std::move(finalName)), file_(CreateTemporaryOrInPlace(inPlaceWhenRefused)) {}

ReplacementFile::~ReplacementFile() {
  file_.CloseQuietly();
  if (!committed_ && !inPlace_) RemoveTemporary();
}

void ReplacementFile::CheckReplaceable() const {
  if (!inPlace_) platform::CheckReplaceable(finalName_);
}

void ReplacementFile::Commit() {
  if (!inPlace_) RenameFile(temporaryName_, finalName_);
  committed_ = true;
}

void ReplacementFile::RemoveTemporary() const {
  for (int attempt = 1; !RemoveFile(temporaryName_); ++attempt) {
    if (!FileExists(temporaryName_) || attempt == RemovalAttempts) return;
    SleepMicroseconds(RemovalRetryMicroseconds);
  }
}

OutputFile ReplacementFile::CreateTemporaryOrInPlace(bool inPlaceWhenRefused) {
  try {
    return OutputFile::CreateBeside(finalName_, temporaryName_);
  } catch (const FileError& error) {
    if (!inPlaceWhenRefused || error.Kind() != FileErrorKind::AccessDenied ||
        !FileExists(finalName_)) {
      throw;
    }
  }
  inPlace_ = true;
  return OutputFile::Create(finalName_);
}

}  // namespace platform
