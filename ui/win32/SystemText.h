// Conversions at the window's boundary: the system holds Windows-1252 text,
// the Win32 API UTF-16. Both ways go through code page 1252 explicitly,
// whatever the machine's ANSI code page.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/common/NameEncoding.h"

// A text of the system (status, message, caption, help), for display.
std::wstring FromSystemText(std::string_view windows1252);

// Names typed or picked, in Windows-1252 without best fit: a character the
// code page lacks does not come back, so NameHeldExactly refuses the name.
extern const NameEncoding Windows1252Names;

// The text of a window or control.
std::wstring WindowText(HWND window);

// The same UTF-16 text in the character type of the toolkit-neutral code.
std::u16string AsUtf16(std::wstring_view text);
