// The system's own operations on files, which each platform implements
// (posix/, win32/) and the buffered files of TextFile.h are made of. Every
// failure throws FileError at once; every path holding a NUL is refused.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform::system_file {

// An open file: a descriptor on POSIX, a HANDLE on Windows.
using Handle = std::intptr_t;
inline constexpr Handle NoHandle = -1;

// An existing file for reading, others allowed to read. A folder, a pipe or
// a device is refused as access denied. Where a file being written cannot
// be opened for reading (Windows), waits a while for the writer.
Handle OpenForReading(const std::string& path);

// A file created, or emptied when it exists, for writing.
Handle CreateForWriting(const std::string& path);

// A new file for writing, made only where no file of that name exists:
// NoHandle when one does.
Handle CreateNew(const std::string& path);

// The system's code for a name that is taken (EEXIST, ERROR_FILE_EXISTS).
extern const int NameTakenCode;

// An existing file for appending, held by this process alone among those
// that append to it, so that their appends never interleave; waits while
// another holds it.
Handle OpenForAppending(const std::string& path);

// Reads up to `size` bytes; 0 at the end of the file.
std::size_t Read(Handle file, char* buffer, std::size_t size);

// Reads one byte at `offset`.
unsigned char ReadByteAt(Handle file, std::uint64_t offset);

// Writes all of `size` bytes at the end of a file opened for appending, or
// at the current place.
void WriteAll(Handle file, const char* bytes, std::size_t size);

std::uint64_t SizeOf(Handle file);

// Puts what was written on the disk.
void Sync(Handle file);

// Cuts the file back to `size` bytes; never throws.
void TruncateQuietly(Handle file, std::uint64_t size);

// Closes the file and reports a failure.
void Close(Handle file);

// Closes the file on a path where another error is already on its way.
void CloseQuietly(Handle file);

}  // namespace platform::system_file
