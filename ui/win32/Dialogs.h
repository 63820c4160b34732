// The two modal boxes of the windows, the system's message box captioned
// with the application title, with one "OK": the message dialog (no icon)
// for checks and the completion message, and the error box (stop icon) for
// a failure. `owner` takes no input while one is open; it may be null.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

void ShowMessageDialog(HWND owner, const std::wstring& text);
void ShowErrorBox(HWND owner, const std::wstring& text);

// The error box for a failure, with the text FailureText gives it.
void ShowFailure(HWND owner, const std::exception& failure);
