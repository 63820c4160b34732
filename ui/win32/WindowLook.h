// The look the windows share: sizes at the system's dots per inch, the
// face, the colours, the places on the screen and the title of dialogs.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// A size given for 96 dots per inch, at the system's setting (the program
// declares itself aware of it in its manifest).
int Scaled(int pixelsAt96Dpi);

// "MS Sans Serif", 8 points (11 pixels high at 96 dots per inch): the
// system's own face; where a system lacks it, its font mapper picks the
// nearest sans-serif face.
HFONT WindowFont();

// The colour of the status line and of the help label.
inline constexpr COLORREF GreyText = RGB(128, 128, 128);

// The width and height of `text` in the window font, as a label shows it.
SIZE TextExtent(std::wstring_view text);

// All monitors together, and the primary one, in screen coordinates.
RECT WholeDesktop();
RECT PrimaryScreen();

// Moves `window` so that the centre of its outer frame, title bar included,
// lies on the centre of `area`.
void CentreByFrameOn(HWND window, const RECT& area);

// The application title (ApplicationTitleFor), the caption of every message
// box, fixed at program start.
extern std::wstring ApplicationTitle;
