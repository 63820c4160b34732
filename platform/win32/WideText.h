// Names between the system's Windows-1252 strings and the wide-character
// API, converted explicitly, so that nothing depends on the machine's ANSI
// code page.
#pragma once

#include <string>

namespace platform::win32 {

// `path` (Windows-1252) in UTF-16. Throws FileError::InvalidName() for a
// path holding a NUL.
std::wstring WidePath(const std::string& path);

// `path` as the file calls take it: made whole and normalised as the system
// does it ("/" is a separator, "." and ".." are resolved, a relative path
// is completed from the current folder), then marked with "\\?\" (or
// "\\?\UNC\" for a share) so that no limit of 260 characters applies.
// A device name or an already marked path passes unchanged. Throws
// FileError::InvalidName() for a path holding a NUL or one the system
// cannot complete.
std::wstring ExtendedPath(const std::string& path);

// `text` in Windows-1252. Throws FileError::InvalidName() for a character
// that Windows-1252 lacks: the name it would give is another file's.
std::string NarrowPath(const std::wstring& text);

}  // namespace platform::win32
