#include "platform/FileError.h"

namespace platform {
namespace {

std::string MessageFor(FileErrorKind kind, int code) {
  switch (kind) {
    case FileErrorKind::FileNotFound:
      return "File not found";
    case FileErrorKind::PathNotFound:
      return "Invalid filename";
    case FileErrorKind::TooManyOpenFiles:
      return "Too many open files";
    case FileErrorKind::AccessDenied:
      return "File access denied";
    case FileErrorKind::Other:
      break;
  }
  return "I/O error " + std::to_string(code);
}

}  // namespace

FileError::FileError(FileErrorKind kind, int code)
    : kind_(kind), code_(code), message_(MessageFor(kind, code)) {}

}  // namespace platform
