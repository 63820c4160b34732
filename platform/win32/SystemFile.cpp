#include "platform/SystemFile.h"

#include <windows.h>

#include "platform/FileError.h"
#include "platform/win32/WideText.h"

namespace platform::system_file {
namespace {

// How long a read or an append waits for a file that another program is
// writing: another Lexavia storing into the user dictionary holds it for
// milliseconds, so only a program that keeps the file open for writing
// makes the wait run out, with "I/O error 32".
constexpr DWORD WriterWaitMilliseconds = 30000;
constexpr DWORD WriterRetryMilliseconds = 10;

HANDLE Native(Handle file) { return reinterpret_cast<HANDLE>(file); }

[[noreturn]] void ThrowLastError(const std::string& path = "") {
  throw FileError::FromSystemError(static_cast<int>(GetLastError()), path);
}

// Others may read a file while the system holds it, but not write it.
HANDLE OpenShared(const std::string& path, DWORD access, DWORD disposition) {
  return CreateFileW(win32::ExtendedPath(path).c_str(), access, FILE_SHARE_READ, nullptr,
                     disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

Handle Checked(HANDLE file, const std::string& path) {
  if (file == INVALID_HANDLE_VALUE) ThrowLastError(path);
  return reinterpret_cast<Handle>(file);
}

// As OpenShared, waiting while another program writes the file: the share
// mode refuses both a second writer and a reader that denies writing.
Handle OpenWaitingForWriters(const std::string& path, DWORD access) {
  for (DWORD waited = 0;; waited += WriterRetryMilliseconds) {
    HANDLE file = OpenShared(path, access, OPEN_EXISTING);
    if (file != INVALID_HANDLE_VALUE) return reinterpret_cast<Handle>(file);
    if (GetLastError() != ERROR_SHARING_VIOLATION || waited >= WriterWaitMilliseconds) {
      ThrowLastError(path);
    }
    Sleep(WriterRetryMilliseconds);
  }
}

void SeekTo(Handle file, std::uint64_t offset, DWORD from) {
  LARGE_INTEGER distance;
  distance.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(Native(file), distance, nullptr, from)) ThrowLastError();
}

}  // namespace

Handle OpenForReading(const std::string& path) {
  Handle file = OpenWaitingForWriters(path, GENERIC_READ);
  // Only a file on a disk has an end to read to; a pipe or a device may wait.
  if (GetFileType(Native(file)) != FILE_TYPE_DISK) {
    CloseHandle(Native(file));
    throw FileError::FromSystemError(ERROR_ACCESS_DENIED, path);
  }
  return file;
}

Handle CreateForWriting(const std::string& path) {
  return Checked(OpenShared(path, GENERIC_WRITE, CREATE_ALWAYS), path);
}

Handle CreateNew(const std::string& path) {
  HANDLE file = OpenShared(path, GENERIC_WRITE, CREATE_NEW);
  if (file == INVALID_HANDLE_VALUE &&
      (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS)) {
    return NoHandle;
  }
  return Checked(file, path);
}

const int NameTakenCode = ERROR_FILE_EXISTS;

Handle OpenForAppending(const std::string& path) {
  Handle file = OpenWaitingForWriters(path, GENERIC_READ | GENERIC_WRITE);
  try {
    SeekTo(file, 0, FILE_END);
  } catch (const FileError&) {
    CloseHandle(Native(file));
    throw;
  }
  return file;
}

std::size_t Read(Handle file, char* buffer, std::size_t size) {
  DWORD got = 0;
  DWORD wanted = size > MAXDWORD ? MAXDWORD : static_cast<DWORD>(size);
  if (!ReadFile(Native(file), buffer, wanted, &got, nullptr)) ThrowLastError();
  return got;
}

unsigned char ReadByteAt(Handle file, std::uint64_t offset) {
  SeekTo(file, offset, FILE_BEGIN);
  char byte = 0;
  DWORD got = 0;
  if (!ReadFile(Native(file), &byte, 1, &got, nullptr)) ThrowLastError();
  if (got == 0) throw FileError::FromSystemError(ERROR_HANDLE_EOF, "");
  // Appends go on at the end.
  SeekTo(file, 0, FILE_END);
  return static_cast<unsigned char>(byte);
}

void WriteAll(Handle file, const char* bytes, std::size_t size) {
  while (size > 0) {
    DWORD wanted = size > MAXDWORD ? MAXDWORD : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(Native(file), bytes, wanted, &written, nullptr)) ThrowLastError();
    if (written == 0) throw FileError::FromSystemError(ERROR_DISK_FULL, "");
    bytes += written;
    size -= written;
  }
}

std::uint64_t SizeOf(Handle file) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(Native(file), &size)) ThrowLastError();
  return static_cast<std::uint64_t>(size.QuadPart);
}

void Sync(Handle file) {
  if (!FlushFileBuffers(Native(file))) ThrowLastError();
}

void TruncateQuietly(Handle file, std::uint64_t size) {
  LARGE_INTEGER distance;
  distance.QuadPart = static_cast<LONGLONG>(size);
  if (SetFilePointerEx(Native(file), distance, nullptr, FILE_BEGIN)) SetEndOfFile(Native(file));
}

void Close(Handle file) {
  if (!CloseHandle(Native(file))) ThrowLastError();
}

void CloseQuietly(Handle file) { CloseHandle(Native(file)); }

}  // namespace platform::system_file
