#include "platform/Console.h"

#include <windows.h>

namespace platform {

bool StandardErrorIsTerminal() {
  DWORD mode;
  return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

void ShowUtf8OnConsole() { SetConsoleOutputCP(CP_UTF8); }

}  // namespace platform
