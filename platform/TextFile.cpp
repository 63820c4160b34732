#include "platform/TextFile.h"

#include <utility>

#include "platform/FileError.h"
#include "platform/FileSystem.h"

namespace platform {
namespace {

constexpr char EndOfFileByte = 26;
constexpr std::size_t OutputBufferSize = 1 << 16;
// Taken names in a row before a folder counts as full of temporary files.
constexpr int TemporaryNameAttempts = 100;

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }
bool IsBlankOrBreak(char c) { return c == ' ' || c == '\t' || IsLineBreak(c); }

// Takes the handle out of `file`, so that it is closed once only.
system_file::Handle Release(system_file::Handle& file) {
  return std::exchange(file, system_file::NoHandle);
}

}  // namespace

// --- InputFile -------------------------------------------------------------

InputFile::InputFile(const std::string& path) : file_(system_file::OpenForReading(path)) {}

InputFile::~InputFile() {
  if (file_ != system_file::NoHandle) system_file::CloseQuietly(file_);
}

std::size_t InputFile::Read(char* buffer, std::size_t size) {
  return system_file::Read(file_, buffer, size);
}

std::uint64_t InputFile::Size() const { return system_file::SizeOf(file_); }

void InputFile::Close() {
  if (file_ != system_file::NoHandle) system_file::Close(Release(file_));
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
  return OutputFile(system_file::CreateForWriting(path));
}

OutputFile OutputFile::CreateBeside(const std::string& path, std::string& name) {
  for (int attempt = 0; attempt < TemporaryNameAttempts; ++attempt) {
    name = TemporaryNameBeside(path);
    system_file::Handle file = system_file::CreateNew(name);
    if (file != system_file::NoHandle) return OutputFile(file);
  }
  throw FileError::FromSystemError(system_file::NameTakenCode, name);
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : file_(Release(other.file_)), buffer_(std::move(other.buffer_)) {}

OutputFile::~OutputFile() { CloseQuietly(); }

void OutputFile::Write(std::string_view bytes) {
  if (buffer_.size() + bytes.size() > OutputBufferSize) {
    Flush();
    if (bytes.size() >= OutputBufferSize) {
      system_file::WriteAll(file_, bytes.data(), bytes.size());
      return;
    }
  }
  buffer_.append(bytes);
}

void OutputFile::Flush() {
  if (buffer_.empty()) return;
  system_file::WriteAll(file_, buffer_.data(), buffer_.size());
  buffer_.clear();
}

void OutputFile::Close() {
  if (file_ == system_file::NoHandle) return;
  try {
    Flush();
  } catch (const FileError&) {
    CloseQuietly();
    throw;
  }
  system_file::Close(Release(file_));
}

void OutputFile::CloseQuietly() {
  buffer_.clear();
  if (file_ != system_file::NoHandle) system_file::CloseQuietly(Release(file_));
}

// --- AppendFile ------------------------------------------------------------

AppendFile::AppendFile(const std::string& path) : file_(system_file::OpenForAppending(path)) {
  try {
    size_ = system_file::SizeOf(file_);
  } catch (const FileError&) {
    system_file::CloseQuietly(Release(file_));
    throw;
  }
}

AppendFile::~AppendFile() {
  if (file_ != system_file::NoHandle) system_file::CloseQuietly(file_);
}

unsigned char AppendFile::LastByte() { return system_file::ReadByteAt(file_, size_ - 1); }

void AppendFile::AppendBlock(std::string_view block) {
  try {
    system_file::WriteAll(file_, block.data(), block.size());
    system_file::Sync(file_);
  } catch (const FileError&) {
    // Leave the file as it was before the block, never with part of it.
    system_file::TruncateQuietly(file_, size_);
    throw;
  }
  size_ += block.size();
}

void AppendFile::Close() {
  if (file_ != system_file::NoHandle) system_file::Close(Release(file_));
}

}  // namespace platform
