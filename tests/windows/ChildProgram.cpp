// A program for the process tests of the Windows build: "exit:N" ends with
// status N; "linger:FILE" writes its process id to FILE and waits forever.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 2) return 100;
  if (std::strncmp(argv[1], "exit:", 5) == 0) return std::atoi(argv[1] + 5);
  if (std::strncmp(argv[1], "linger:", 7) == 0) {
    std::FILE* file = std::fopen(argv[1] + 7, "w");
    if (file == nullptr) return 101;
    std::fprintf(file, "%lu", GetCurrentProcessId());
    std::fclose(file);
    Sleep(INFINITE);
  }
  return 102;
}
