// The program's start order and its window loop.
#pragma once

// Fixes the application title, creates the main window (whose creation runs
// StartUp) and the hidden help window, shows the main window with
// `showCommand` and runs the window loop until it is closed. A program that
// cannot start shows why in the error box and returns 1. Returns the
// program's exit status.
int RunProgram(int showCommand);
