// The test driver's hands on a running Lexavia.exe, as a user or the system
// reaches it from outside: its process, its windows found by class, caption
// and place, the message boxes it shows, and waits on what it does.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace driver {

// Waits until `condition` holds, looking again every few milliseconds. The
// bound only keeps a hung program from hanging the test; the test fails
// when it is reached.
void WaitUntil(const std::function<bool()>& condition, const std::string& what);

// The system's dots per inch the tests run at, LEXAVIA_DPI (96 when not
// set); the driver fails when the system says otherwise.
int TestedDpi();

// A size given for 96 dots per inch, at TestedDpi().
int AtTestedDpi(int pixelsAt96Dpi);

// The text of a window through WM_GETTEXT, which its program answers when
// it is not busy.
std::wstring TextOf(HWND window);

// The text of another program's window as the system holds it, without a
// message: it never waits for a program whose thread is busy with a run.
std::wstring TextNow(HWND window);

std::wstring ClassOf(HWND window);
LONG StyleOf(HWND window);

// The place of a control in its parent's client area.
RECT PlaceOf(HWND control);

// The size of a window's client area.
SIZE ClientSize(HWND window);

// The colours of a window as the screen shows it, each with its number of
// pixels.
std::map<COLORREF, int> ColoursOnScreen(HWND window);

// A message box of the program, as it stands.
struct MessageBoxSeen {
  std::wstring caption;
  std::wstring text;
  bool icon;    // an icon is shown (the stop icon of the error box)
  int buttons;  // push buttons
  std::wstring buttonText;
};

// A running Lexavia.exe, ended (if need be) when the object dies.
class Lexavia {
 public:
  // Starts `program` with `folder` as its current directory.
  Lexavia(const std::wstring& program, const std::wstring& folder);
  ~Lexavia();
  Lexavia(const Lexavia&) = delete;
  Lexavia& operator=(const Lexavia&) = delete;

  // Its visible top-level window of class `windowClass`, or null.
  HWND Window(const wchar_t* windowClass) const;
  // Waits until it shows one.
  HWND WaitForWindow(const wchar_t* windowClass);

  // The message box it shows now, or null.
  HWND OpenMessageBox() const;
  // Waits for the next message box, reads it and answers it with its OK
  // button, then waits until it has gone.
  MessageBoxSeen AnswerMessageBox();

  // The control that has the focus in its window's thread.
  HWND Focus() const;

  // The processes it started that are still running, by id.
  std::vector<DWORD> ChildProcesses() const;

  // Waits for the program's end and gives its exit status.
  DWORD WaitForExit();
  bool Running() const;

 private:
  std::vector<HWND> TopLevelWindows() const;

  PROCESS_INFORMATION process_ = {};
};

// The main window's controls, found as a user finds them: edits, buttons,
// check boxes and labels in the order of their places on the window.
struct MainWindow {
  explicit MainWindow(HWND window);

  HWND window;
  HWND Label1, Edit1, Button1, Label2, Label3, Button2;
  HWND CheckBox1, CheckBox2, CheckBox3, CheckBox4;
  HWND Status, Label4;

  bool Checked(HWND box) const;
  // A click of the user on a check box or a button whose handler opens no
  // dialog: it has run when this returns.
  void Click(HWND control) const;
  // A click whose handler runs a while or opens a dialog: posted, so that
  // the driver goes on meanwhile.
  void PostClick(HWND control) const;
  void Type(const std::wstring& text) const;  // into Edit1
};

}  // namespace driver
