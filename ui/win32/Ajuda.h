// The help window: a fixed Portuguese text about the program, shown modally
// from the main window and only hidden when closed, so that a later showing
// finds it as the user left it: its size, its place and the text's scroll.
#pragma once

#include <windows.h>

#include "ui/win32/Form.h"

class TAjudaForm : public TForm {
 public:
  // Creates the window, hidden, owned by the main window `owner`.
  explicit TAjudaForm(HWND owner);

  HWND Memo1;

  // Shows the window and returns when the user has closed it; meanwhile its
  // owner takes no input. Centred on the primary screen the first time.
  void ShowModal();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Gives the input back to the owner, then hides the window.
  void EndModal();

  bool shownBefore_ = false;
};

extern TAjudaForm* AjudaForm;
