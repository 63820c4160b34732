// The program's start order and its window loop.
#pragma once

// Fixes the application title, creates the main window (whose creation runs
// StartUp) and the hidden help window, and runs the window loop until the
// main window is closed; a termination request closes it as the user would.
// A program that cannot start shows why in the error box and returns 1.
// Needs the QApplication; returns the program's exit status.
int RunProgram();
