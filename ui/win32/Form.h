// A top-level window whose messages go to its object, the counterpart of a
// toolkit's form class: the window's event handling catches an error that
// leaves a handler, shows it in the error box, and goes on.
#pragma once

#include <windows.h>

#include <string>

#include "ui/common/FormLayout.h"

class TForm {
 public:
  TForm(const TForm&) = delete;
  TForm& operator=(const TForm&) = delete;
  virtual ~TForm();

  // The window; null once it has been destroyed.
  HWND Handle() const { return handle_; }

 protected:
  // Creates the window, hidden, of the class `className` (registered here,
  // with the button-face background), with a client area of the given size
  // at 96 dots per inch.
  TForm(const wchar_t* className, const std::wstring& caption, DWORD style, HWND owner,
        int clientWidth, int clientHeight);

  // Handles one message; what it leaves goes to DefaultHandling.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

  // A child control of the system's class `controlClass`, visible, in the
  // window font, at `place` (96 dots per inch).
  HWND CreateControl(const wchar_t* controlClass, const std::wstring& text, DWORD style,
                     DWORD extendedStyle, const ControlPlace& place);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
};
