// A segmenter's stand-in for the fault tests of the Windows build. It does
// for the input named by its one argument what the file "comportamento.txt"
// beside it says:
//   crash         ends by an access violation, as a crashing program does
//   exit N        ends with status N and writes nothing
//   ready         creates the readiness file but no segmented text
//   ready-folder  makes a folder of the readiness file's name, then ends with 0
//   fresh         ends with 9 when a readiness file is there already, else
//                 writes "fresh" as the segmented text and then the
//                 readiness file
//   linger        writes the segmented text, its process id to INPUT.pid and
//                 the readiness file, then waits for ever
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "Crash.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 100;
  std::filesystem::path self = argv[0];
  std::ifstream file(self.parent_path() / L"comportamento.txt");
  std::string behaviour;
  std::getline(file, behaviour);
  std::wstring input = argv[1];
  std::wstring readiness = input + L"._frasor_ready_.tmp";
  if (behaviour == "crash") CrashWithAnAccessViolation();
  if (behaviour.rfind("exit ", 0) == 0) return std::atoi(behaviour.c_str() + 5);
  if (behaviour == "ready") {
    std::ofstream(std::filesystem::path(readiness));
    return 0;
  }
  if (behaviour == "ready-folder") {
    std::filesystem::create_directory(readiness);
    return 0;
  }
  if (behaviour == "fresh") {
    if (std::filesystem::exists(readiness)) return 9;
    std::ofstream(std::filesystem::path(input + L".seg"), std::ios::binary) << "fresh";
    std::ofstream(std::filesystem::path(readiness));
    return 0;
  }
  if (behaviour == "linger") {
    std::ofstream(std::filesystem::path(input + L".seg"), std::ios::binary) << "Um blog.\r\n";
    std::ofstream(std::filesystem::path(input + L".pid")) << GetCurrentProcessId();
    std::ofstream(std::filesystem::path(readiness));
    Sleep(INFINITE);
  }
  return 101;
}
