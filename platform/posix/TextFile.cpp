#include "platform/TextFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/FileError.h"

namespace platform {
namespace {

constexpr char EndOfFileByte = 26;
constexpr std::size_t OutputBufferSize = 1 << 16;

int OpenChecked(const std::string& path, int flags, mode_t mode = 0) {
  RefuseNulInPath(path);
  int fd;
  do {
    fd = open(path.c_str(), flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) throw FileError::FromErrno(errno, path);
  return fd;
}

void CloseChecked(int fd) {
  // close() must not be retried on EINTR: the descriptor is gone either way.
  if (close(fd) != 0 && errno != EINTR) throw FileError::FromErrno(errno, "");
}

// Writes all of `bytes`, continuing after partial writes; throws on failure.
void WriteAll(int fd, const char* bytes, std::size_t size) {
  while (size > 0) {
    ssize_t written = write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      throw FileError::FromErrno(errno, "");
    }
    if (written == 0) throw FileError::FromErrno(ENOSPC, "");
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
}

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
bool IsBlankOrBreak(char c) { return c == ' ' || c == '\t' || IsLineBreak(c); }

}  // namespace

// --- InputFile -------------------------------------------------------------

InputFile::InputFile(const std::string& path) {
  // Without O_NONBLOCK, opening a pipe would wait for a writer.
  fd_ = OpenChecked(path, O_RDONLY | O_NONBLOCK);
  struct stat info;
  int error = 0;
  if (fstat(fd_, &info) != 0) {
    error = errno;
  } else if (!S_ISREG(info.st_mode)) {
    error = S_ISDIR(info.st_mode) ? EISDIR : EACCES;
  } else if (fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) & ~O_NONBLOCK) != 0) {
    error = errno;
  }
  if (error != 0) {
    close(fd_);
    fd_ = -1;
    throw FileError::FromErrno(error, path);
  }
}

InputFile::~InputFile() {
  if (fd_ >= 0) close(fd_);
}

std::size_t InputFile::Read(char* buffer, std::size_t size) {
  for (;;) {
    ssize_t got = read(fd_, buffer, size);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) throw FileError::FromErrno(errno, "");
  }
}

void InputFile::Close() {
  if (fd_ < 0) return;
  int fd = fd_;
  fd_ = -1;
  CloseChecked(fd);
}

// --- LineReader ------------------------------------------------------------

LineReader::LineReader(const std::string& path) : file_(path), buffer_(new char[BufferSize]) {}

bool LineReader::Refill() {
  if (ended_) return false;
  filled_ = file_.Read(buffer_.get(), BufferSize);
  position_ = 0;
  if (filled_ == 0) ended_ = true;
  return filled_ > 0;
}

bool LineReader::NextLine(std::string& line) {
  line.clear();
  for (;;) {
    if (position_ == filled_ && !Refill()) return false;
    char c = buffer_[position_];
    if (c == EndOfFileByte) {
      ended_ = true;
      filled_ = position_;
      return false;
    }
    if (!IsBlankOrBreak(c)) break;
    ++position_;
  }
  for (;;) {
    if (position_ == filled_ && !Refill()) return true;
    const char* start = buffer_.get() + position_;
    const char* end = buffer_.get() + filled_;
    const char* stop = start;
    while (stop != end && !IsLineBreak(*stop) && *stop != EndOfFileByte) ++stop;
    line.append(start, static_cast<std::size_t>(stop - start));
    position_ = static_cast<std::size_t>(stop - buffer_.get());
    if (stop == end) continue;
    if (*stop == EndOfFileByte) {
      ended_ = true;
      filled_ = position_;
    }
    // A line break stays in the buffer: the next call skips it.
    return true;
  }
}

// --- OutputFile ------------------------------------------------------------

OutputFile OutputFile::Create(const std::string& path) {
  return OutputFile(OpenChecked(path, O_WRONLY | O_CREAT | O_TRUNC, 0666));
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : fd_(other.fd_), buffer_(std::move(other.buffer_)) {
  other.fd_ = -1;
}

OutputFile::~OutputFile() {
  if (fd_ >= 0) close(fd_);
}

void OutputFile::Write(std::string_view bytes) {
  if (buffer_.size() + bytes.size() > OutputBufferSize) {
    Flush();
    if (bytes.size() >= OutputBufferSize) {
      WriteAll(fd_, bytes.data(), bytes.size());
      return;
    }
  }
  buffer_.append(bytes);
}

void OutputFile::Flush() {
  if (buffer_.empty()) return;
  WriteAll(fd_, buffer_.data(), buffer_.size());
  buffer_.clear();
}

void OutputFile::Close() {
  if (fd_ < 0) return;
  Flush();
  int fd = fd_;
  fd_ = -1;
  CloseChecked(fd);
}

// --- AppendFile ------------------------------------------------------------

AppendFile::AppendFile(const std::string& path) {
  fd_ = OpenChecked(path, O_RDWR | O_APPEND);
  struct stat info;
  int error = 0;
  while (flock(fd_, LOCK_EX) != 0) {
    if (errno != EINTR) {
      error = errno;
      break;
    }
  }
  if (error == 0 && fstat(fd_, &info) != 0) error = errno;
  if (error != 0) {
    close(fd_);
    fd_ = -1;
    throw FileError::FromErrno(error, path);
  }
  size_ = static_cast<std::uint64_t>(info.st_size);
}

AppendFile::~AppendFile() {
  if (fd_ >= 0) close(fd_);
}

unsigned char AppendFile::LastByte() {
  char byte = 0;
  ssize_t got;
  do {
    got = pread(fd_, &byte, 1, static_cast<off_t>(size_ - 1));
  } while (got < 0 && errno == EINTR);
  if (got < 0) throw FileError::FromErrno(errno, "");
  if (got == 0) throw FileError::FromErrno(EIO, "");
  return static_cast<unsigned char>(byte);
}

void AppendFile::AppendBlock(std::string_view block) {
  try {
    WriteAll(fd_, block.data(), block.size());
    if (fdatasync(fd_) != 0) throw FileError::FromErrno(errno, "");
  } catch (const FileError&) {
    // Leave the file as it was before the block, never with part of it.
    int ignored = ftruncate(fd_, static_cast<off_t>(size_));
    (void)ignored;
    throw;
  }
  size_ += block.size();
}

void AppendFile::Close() {
  if (fd_ < 0) return;
  int fd = fd_;
  fd_ = -1;
  CloseChecked(fd);
}

}  // namespace platform
