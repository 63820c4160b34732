#include "platform/ProgramArguments.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <memory>
#include <new>

#include "platform/win32/WideArguments.h"
#include "platform/win32/WideText.h"

namespace platform {
namespace win32 {

std::vector<std::string> ArgumentsOfCommandLine(const std::wstring& commandLine) {
  int count = 0;
  std::unique_ptr<LPWSTR, decltype(&LocalFree)> split(
      CommandLineToArgvW(commandLine.c_str(), &count), &LocalFree);
  if (!split) throw std::bad_alloc();
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(NarrowPath(split.get()[i]));
  return arguments;
}

}  // namespace win32

std::vector<std::string> ProgramArguments(int, char**) {
  return win32::ArgumentsOfCommandLine(GetCommandLineW());
}

}  // namespace platform
