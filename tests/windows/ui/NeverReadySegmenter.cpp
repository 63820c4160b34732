// A segmenter that hangs: it writes the start of the segmented text and its
// process id beside its input, then waits for ever without ever creating
// the readiness file.
//
//   never-ready-segmenter.exe INPUT
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  auto beside = [&](const wchar_t* suffix) {
    return std::filesystem::path(std::wstring(argv[1]) + suffix);
  };
  std::ofstream(beside(L".seg"), std::ios::binary) << "Um";
  std::ofstream(beside(L".segmenter-pid"), std::ios::binary) << GetCurrentProcessId();
  Sleep(INFINITE);
  return 0;
}
