#include "ui/win32/WindowLook.h"

std::wstring ApplicationTitle = L"Lexavia";

namespace {

constexpr int FontPoints = 8;

int SystemDpi() {
  static const int dpi = [] {
    HDC screen = GetDC(nullptr);
    int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch;
  }();
  return dpi;
}

// The font lives as long as the program, whose windows all use it.
class FontHolder {
 public:
  FontHolder()
      : font_(CreateFontW(-MulDiv(FontPoints, SystemDpi(), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                          FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif")) {}
  ~FontHolder() { DeleteObject(font_); }
  FontHolder(const FontHolder&) = delete;
  FontHolder& operator=(const FontHolder&) = delete;

  HFONT Font() const { return font_; }

 private:
  HFONT font_;
};

}  // namespace

int Scaled(int pixelsAt96Dpi) { return MulDiv(pixelsAt96Dpi, SystemDpi(), 96); }

HFONT WindowFont() {
  static const FontHolder holder;
  return holder.Font();
}

SIZE TextExtent(std::wstring_view text) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, WindowFont());
  SIZE extent = {};
  GetTextExtentPoint32W(screen, text.data(), static_cast<int>(text.size()), &extent);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return extent;
}

RECT WholeDesktop() {
  int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
          top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

RECT PrimaryScreen() {
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void CentreByFrameOn(HWND window, const RECT& area) {
  RECT frame;
  GetWindowRect(window, &frame);
  int width = frame.right - frame.left;
  int height = frame.bottom - frame.top;
  SetWindowPos(window, nullptr, (area.left + area.right - width) / 2,
               (area.top + area.bottom - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
