// The main window: the user names the text, answers the two questions,
// starts the detection run and follows it on the status line.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/common/StatusThrottle.h"
#include "ui/win32/Form.h"
#include "ui/win32/OpenDialog.h"

class TMainForm : public TForm {
 public:
  // Creates the window, hidden, and its controls, and runs FormCreate.
  TMainForm();

  HWND Label1;
  HWND Edit1;
  HWND Button1;
  TOpenDialog OpenDialog1;
  HWND Label2;
  HWND Label3;
  HWND Button2;
  HWND CheckBox1;
  HWND CheckBox2;
  HWND CheckBox3;
  HWND CheckBox4;
  HWND Status;
  HWND Label4;

  void Button1Click();
  void Button2Click();
  void FormCreate();
  void FormClose();
  void CheckBox1Click();
  void CheckBox2Click();
  void CheckBox3Click();
  void CheckBox4Click();
  void Label4Click();

  // Shows the window for the first time, centred on the whole desktop.
  void Show(int showCommand);

  // The status sink: replaces the status line's text and paints it before
  // returning, also while a run holds the window's thread, at the pace of
  // StatusThrottle.
  void ShowStatus(std::string_view text);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Closes the window as the user does: FormClose, then the end of the loop.
  void Close();
  // Runs the click handler of `control`; a check box's runs also when its
  // partner unchecks it.
  void ControlClick(HWND control);
  void Uncheck(HWND box);
  HWND PlaceLabel(LabelPlace place, std::string_view caption, DWORD style = 0);
  void PaintStatus(std::string_view text);

  StatusThrottle statusThrottle_;
  HWND focused_ = nullptr;  // the control that has the focus when the window is active
  bool running_ = false;    // a run holds the window's thread
  bool closed_ = false;
};

extern TMainForm* MainForm;
