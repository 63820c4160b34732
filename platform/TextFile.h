// Buffered file access with the system's text conventions. Every failed
// open, read, write or close throws platform::FileError at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/SystemFile.h"

namespace platform {

// An existing file opened for reading. A folder, a pipe or a device is
// refused as access denied: only a file has an end to read to, and opening
// one never waits for a writer.
class InputFile {
 public:
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Reads up to `size` bytes; 0 at the physical end of the file.
  std::size_t Read(char* buffer, std::size_t size);
  // The file's length now.
  std::uint64_t Size() const;
  void Close();

 private:
  system_file::Handle file_;
};

// Reads a text file line by line with the system's rules: a line ends at CR
// or LF in any mixture; blanks (space, TAB) and line breaks at the start of
// a line are skipped, so empty lines yield nothing; the file ends at its
// physical end or at its first byte 26 (Ctrl-Z).
class LineReader {
 public:
  explicit LineReader(const std::string& path);
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // Replaces `line` with the next line, without its line break; false when
  // the end of the file was reached before another line began.
  bool NextLine(std::string& line);
  // The file's length now, to size what the lines are read into.
  std::uint64_t Size() const { return file_.Size(); }
  void Close() { file_.Close(); }

 private:
  bool Refill();

  InputFile file_;
  static constexpr std::size_t BufferSize = 1 << 16;
  std::unique_ptr<char[]> buffer_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
  bool ended_ = false;  // the physical end or a byte 26 was met
};

// A file written through a buffer; complete once Close() has returned.
class OutputFile {
 public:
  // Creates the file, or empties an existing one of that name.
  static OutputFile Create(const std::string& path);

  // Creates a new file to replace `path` once complete, under a name of its
  // own in the same folder (TemporaryNameBeside) that no other file had, and
  // sets `name` to that name.
  static OutputFile CreateBeside(const std::string& path, std::string& name);

  OutputFile(OutputFile&& other) noexcept;
  OutputFile& operator=(OutputFile&&) = delete;
  // As CloseQuietly: reached only when another error is already on its way.
  ~OutputFile();

  void Write(std::string_view bytes);
  // Writes what the buffer holds and closes the file; the file is closed
  // also when that fails.
  void Close();
  // Closes the file without writing the buffer or reporting errors, on a
  // path where another error is already on its way.
  void CloseQuietly();

 private:
  explicit OutputFile(system_file::Handle file) : file_(file) {}
  void Flush();

  system_file::Handle file_;
  std::string buffer_;
};

// An existing file opened for appending, held by this process alone among
// those that append to it, so that appends of several processes never
// interleave; opening waits while another holds it.
class AppendFile {
 public:
  explicit AppendFile(const std::string& path);
  ~AppendFile();
  AppendFile(const AppendFile&) = delete;
  AppendFile& operator=(const AppendFile&) = delete;

  // The file's length when it was opened.
  std::uint64_t Size() const { return size_; }

  // The last byte of the file; only when Size() > 0.
  unsigned char LastByte();

  // Appends `block` behind the file's last byte in one write. When the write
  // fails the file is cut back to its length before the call, so it never
  // holds part of a block, and the error is thrown.
  void AppendBlock(std::string_view block);
  void Close();

 private:
  system_file::Handle file_;
  std::uint64_t size_ = 0;
};

}  // namespace platform
