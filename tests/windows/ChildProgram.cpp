// A program for the process tests of the Windows build: "exit:N" ends with
// status N; "linger:FILE" writes its process id to FILE and waits forever;
// "crash" ends by an access violation; "echo:FILE|ARGUMENT" writes its
// argument count and ARGUMENT, as it received it, to FILE.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Crash.h"

int main(int argc, char** argv) {
  if (argc >= 2 && std::strncmp(argv[1], "echo:", 5) == 0) {
    const char* bar = std::strchr(argv[1], '|');
    if (bar == nullptr) return 103;
    std::FILE* file = std::fopen(
        std::string(argv[1] + 5, static_cast<std::size_t>(bar - argv[1] - 5)).c_str(), "wb");
    if (file == nullptr) return 101;
    std::fprintf(file, "%d|%s", argc - 1, bar + 1);
    std::fclose(file);
    return 0;
  }
  if (argc != 2) return 100;
  if (std::strncmp(argv[1], "exit:", 5) == 0) return std::atoi(argv[1] + 5);
  if (std::strcmp(argv[1], "crash") == 0) CrashWithAnAccessViolation();
  if (std::strncmp(argv[1], "linger:", 7) == 0) {
    std::FILE* file = std::fopen(argv[1] + 7, "w");
    if (file == nullptr) return 101;
    std::fprintf(file, "%lu", GetCurrentProcessId());
    std::fclose(file);
    Sleep(INFINITE);
  }
  return 102;
}
