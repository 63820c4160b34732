#include "platform/Console.h"

#include <unistd.h>

namespace platform {

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

void ShowUtf8OnConsole() {}

}  // namespace platform
