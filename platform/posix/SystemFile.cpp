#include "platform/SystemFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileError.h"

namespace platform::system_file {
namespace {

int Descriptor(Handle file) { return static_cast<int>(file); }

int OpenChecked(const std::string& path, int flags, mode_t mode = 0) {
  RefuseNulInPath(path);
  int fd;
  do {
    fd = open(path.c_str(), flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) throw FileError::FromSystemError(errno, path);
  return fd;
}

// Closes `fd` after a failure `error` on `path`, and throws it.
[[noreturn]] void CloseAndThrow(int fd, int error, const std::string& path) {
  close(fd);
  throw FileError::FromSystemError(error, path);
}

}  // namespace

Handle OpenForReading(const std::string& path) {
  // Without O_NONBLOCK, opening a pipe would wait for a writer.
  int fd = OpenChecked(path, O_RDONLY | O_NONBLOCK);
  struct stat info;
  if (fstat(fd, &info) != 0) CloseAndThrow(fd, errno, path);
  if (!S_ISREG(info.st_mode)) CloseAndThrow(fd, S_ISDIR(info.st_mode) ? EISDIR : EACCES, path);
  if (fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) CloseAndThrow(fd, errno, path);
  return fd;
}

Handle CreateForWriting(const std::string& path) {
  return OpenChecked(path, O_WRONLY | O_CREAT | O_TRUNC, 0666);
}

Handle CreateNew(const std::string& path) {
  RefuseNulInPath(path);
  int fd;
  do {
    fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0 && errno == EEXIST) return NoHandle;
  if (fd < 0) throw FileError::FromSystemError(errno, path);
  return fd;
}

const int NameTakenCode = EEXIST;

Handle OpenForAppending(const std::string& path) {
  int fd = OpenChecked(path, O_RDWR | O_APPEND);
  while (flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) CloseAndThrow(fd, errno, path);
  }
  return fd;
}

std::size_t Read(Handle file, char* buffer, std::size_t size) {
  for (;;) {
    ssize_t got = read(Descriptor(file), buffer, size);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) throw FileError::FromSystemError(errno, "");
  }
}

unsigned char ReadByteAt(Handle file, std::uint64_t offset) {
  char byte = 0;
  ssize_t got;
  do {
    got = pread(Descriptor(file), &byte, 1, static_cast<off_t>(offset));
  } while (got < 0 && errno == EINTR);
  if (got < 0) throw FileError::FromSystemError(errno, "");
  if (got == 0) throw FileError::FromSystemError(EIO, "");
  return static_cast<unsigned char>(byte);
}

void WriteAll(Handle file, const char* bytes, std::size_t size) {
  while (size > 0) {
    ssize_t written = write(Descriptor(file), bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      throw FileError::FromSystemError(errno, "");
    }
    if (written == 0) throw FileError::FromSystemError(ENOSPC, "");
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
}

std::uint64_t SizeOf(Handle file) {
  struct stat info;
  if (fstat(Descriptor(file), &info) != 0) throw FileError::FromSystemError(errno, "");
  return static_cast<std::uint64_t>(info.st_size);
}

void Sync(Handle file) {
  if (fdatasync(Descriptor(file)) != 0) throw FileError::FromSystemError(errno, "");
}

void TruncateQuietly(Handle file, std::uint64_t size) {
  int ignored = ftruncate(Descriptor(file), static_cast<off_t>(size));
  (void)ignored;
}

void Close(Handle file) {
  // close() must not be retried on EINTR: the descriptor is gone either way.
  if (close(Descriptor(file)) != 0 && errno != EINTR) throw FileError::FromSystemError(errno, "");
}

void CloseQuietly(Handle file) { close(Descriptor(file)); }

}  // namespace platform::system_file
