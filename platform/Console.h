// The console a command-line program writes its messages to.
#pragma once

namespace platform {

// True when the standard error stream goes to a terminal (a console on
// Windows), not to a file or a pipe.
bool StandardErrorIsTerminal();

// Makes the console show the UTF-8 the program writes: a Windows console
// takes its code page's bytes otherwise. Nothing elsewhere.
void ShowUtf8OnConsole();

}  // namespace platform
