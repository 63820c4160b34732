// Lexavia: finds candidate neologisms in a Portuguese text.
#include <windows.h>

#include "ui/win32/Program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  return RunProgram(showCommand);
}
