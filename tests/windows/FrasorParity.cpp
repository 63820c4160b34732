// frasor_parity.exe LIST-FILE OUTPUT-FOLDER: segments, in this one process,
// a copy of each file that LIST-FILE names (one path a line, in
// Windows-1252) as frasor.exe does: the copy of the Nth file is
// OUTPUT-FOLDER\G\N.txt, G being N / 100, beside its .seg and readiness
// file. check_frasor_parity.sh compares them with the Linux build's. Exits
// with 1 when a file could not be copied or segmented, after the others.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "frasor/SegmentFile.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"
#include "platform/ProgramArguments.h"
#include "platform/TextFile.h"
#include "platform/win32/WideText.h"

namespace {

void CopyFile(const std::string& from, const std::string& to) {
  platform::InputFile input(from);
  platform::OutputFile output = platform::OutputFile::Create(to);
  constexpr std::size_t BlockSize = 1 << 16;
  std::unique_ptr<char[]> block(new char[BlockSize]);
  while (std::size_t size = input.Read(block.get(), BlockSize)) {
    output.Write(std::string_view(block.get(), size));
  }
  input.Close();
  output.Close();
}

// The folder of the Nth copy. Wine looks through a whole folder for every
// name it creates there, so a folder holds at most a hundred copies.
std::string FolderOfCopy(const std::string& outputFolder, std::size_t number) {
  std::string folder = platform::PathUnder(outputFolder, {std::to_string(number / 100)});
  if (!CreateDirectoryW(platform::win32::WidePath(folder).c_str(), nullptr) &&
      GetLastError() != ERROR_ALREADY_EXISTS) {
    throw platform::FileError::FromSystemError(static_cast<int>(GetLastError()), folder);
  }
  return folder;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    std::vector<std::string> arguments = platform::ProgramArguments(argc, argv);
    if (arguments.size() != 2) {
      std::fprintf(stderr, "usage: frasor_parity.exe LIST-FILE OUTPUT-FOLDER\n");
      return 2;
    }
    platform::LineReader list(arguments[0]);
    std::string path;
    std::size_t files = 0, failures = 0;
    while (list.NextLine(path)) {
      ++files;
      try {
        std::string copy = platform::PathUnder(FolderOfCopy(arguments[1], files),
                                               {std::to_string(files) + ".txt"});
        CopyFile(path, copy);
        frasor::SegmentFile(copy);
      } catch (const std::exception& error) {
        std::fprintf(stderr, "frasor_parity.exe: %s: %s\n", path.c_str(), error.what());
        ++failures;
      }
    }
    list.Close();
    std::printf("%zu files segmented, %zu failed\n", files - failures, failures);
    return failures == 0 ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "frasor_parity.exe: %s\n", error.what());
    return 1;
  }
}
