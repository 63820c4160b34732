#include "ui/win32/Main.h"

#include <algorithm>
#include <optional>

#include "detection/DetectionRun.h"
#include "detection/StatusLine.h"
#include "detection/StatusTexts.h"
#include "platform/TerminationRequest.h"
#include "ui/common/FormChecks.h"
#include "ui/common/FormLayout.h"
#include "ui/common/MainFormTexts.h"
#include "ui/common/WindowRun.h"
#include "ui/win32/Ajuda.h"
#include "ui/win32/Dialogs.h"
#include "ui/win32/SystemText.h"
#include "ui/win32/WindowLook.h"

TMainForm* MainForm = nullptr;

namespace layout = main_form_layout;
namespace captions = main_form_text;

namespace {

// Posted by the status line's throttle: the window loop runs again.
constexpr UINT FlushStatusMessage = WM_APP + 1;

constexpr DWORD FixedFrame = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Sizes a label to its text, from its left edge.
void FitLabel(HWND label, std::wstring_view text) {
  SIZE extent = TextExtent(text);
  SetWindowPos(label, nullptr, 0, 0, extent.cx,
               std::max<int>(extent.cy, Scaled(layout::LabelHeight)),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Checked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetCaption(HWND control, std::string_view caption) {
  SetWindowTextW(control, FromSystemText(caption).c_str());
}

}  // namespace

TMainForm::TMainForm()
    : TForm(L"TMainForm", FromSystemText(captions::Caption), FixedFrame | WS_CLIPCHILDREN, nullptr,
            layout::ClientWidth, layout::ClientHeight),
      statusThrottle_([this](std::string_view shown) { PaintStatus(shown); },
                      [this] { PostMessageW(Handle(), FlushStatusMessage, 0, 0); }) {
  // Made in tab order: Edit1, Button1, the four boxes, Button2.
  Label1 = PlaceLabel(layout::Label1, captions::Label1);
  Edit1 = CreateControl(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, layout::Edit1);
  SendMessageW(Edit1, EM_SETLIMITTEXT, 0, 0);  // as long as the system allows
  Button1 = CreateControl(L"BUTTON", FromSystemText(captions::Button1), WS_TABSTOP | BS_PUSHBUTTON,
                          0, layout::Button1);
  Label2 = PlaceLabel(layout::Label2, captions::Label2);
  CheckBox1 = CreateControl(L"BUTTON", FromSystemText(captions::No), WS_TABSTOP | BS_AUTOCHECKBOX,
                            0, layout::CheckBox1);
  CheckBox2 = CreateControl(L"BUTTON", FromSystemText(captions::Yes), WS_TABSTOP | BS_AUTOCHECKBOX,
                            0, layout::CheckBox2);
  Label3 = PlaceLabel(layout::Label3, captions::Label3);
  CheckBox3 = CreateControl(L"BUTTON", FromSystemText(captions::No), WS_TABSTOP | BS_AUTOCHECKBOX,
                            0, layout::CheckBox3);
  CheckBox4 = CreateControl(L"BUTTON", FromSystemText(captions::Yes), WS_TABSTOP | BS_AUTOCHECKBOX,
                            0, layout::CheckBox4);
  Button2 = CreateControl(L"BUTTON", FromSystemText(captions::DetectCaption),
                          WS_TABSTOP | BS_PUSHBUTTON, 0, layout::Button2);
  Status = PlaceLabel(layout::Status, status_text::Idle);
  Label4 = PlaceLabel(layout::Label4, captions::Label4, SS_NOTIFY);
  SendMessageW(CheckBox1, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(CheckBox3, BM_SETCHECK, BST_CHECKED, 0);
  focused_ = Edit1;

  FormCreate();
}

HWND TMainForm::PlaceLabel(LabelPlace place, std::string_view caption, DWORD style) {
  std::wstring text = FromSystemText(caption);
  HWND label = CreateControl(L"STATIC", text, SS_LEFTNOWORDWRAP | SS_NOPREFIX | style, 0,
                             {place.left, place.top, 0, layout::LabelHeight});
  FitLabel(label, text);
  return label;
}

void TMainForm::FormCreate() {
  StartUp();
  SetStatusSink([this](std::string_view shown) { ShowStatus(shown); });
}

void TMainForm::FormClose() { ShutDown(); }

void TMainForm::Show(int showCommand) {
  CentreByFrameOn(Handle(), WholeDesktop());
  ShowWindow(Handle(), showCommand);
  UpdateWindow(Handle());
}

void TMainForm::Close() {
  if (closed_) return;
  closed_ = true;
  FormClose();
  SetStatusSink(nullptr);
  DestroyWindow(Handle());
  PostQuitMessage(0);
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Enter and Escape come as commands without a control: neither acts.
      if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == STN_CLICKED) {
        ControlClick(reinterpret_cast<HWND>(lParam));
      }
      return 0;
    case WM_CTLCOLORSTATIC: {
      auto dc = reinterpret_cast<HDC>(wParam);
      auto control = reinterpret_cast<HWND>(lParam);
      bool grey = control == Status || control == Label4;
      SetTextColor(dc, grey ? GreyText : GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ACTIVATE:
      // Back from a dialog or another program, the focus is where it was.
      if (LOWORD(wParam) == WA_INACTIVE) {
        focused_ = GetFocus();
      } else {
        SetFocus(focused_ != nullptr && IsChild(Handle(), focused_) ? focused_ : Edit1);
      }
      return 0;
    case FlushStatusMessage:
      statusThrottle_.Flush();
      return 0;
    case WM_CLOSE:
      // A run never reads a dictionary that ShutDown has released: a request
      // to close that reaches its wait for the segmenter is dropped.
      if (!running_) Close();
      return 0;
    case WM_QUERYENDSESSION:
      // Noted so that a run's wait for the segmenter ends; closing is agreed.
      platform::NoteTerminationRequest();
      return TRUE;
    case WM_ENDSESSION:
      // The program may be ended once this returns: FormClose runs before.
      // A run that waits for the segmenter meets the request and ends.
      if (wParam) {
        platform::NoteTerminationRequest();
        Close();
      }
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}

void TMainForm::Button1Click() {
  if (OpenDialog1.Execute(Handle())) SetWindowTextW(Edit1, OpenDialog1.FileName().c_str());
}

void TMainForm::Button2Click() {
  // A click sent by another program reaches the button while a run waits
  // for the segmenter: the run under way is the only one.
  if (running_) return;
  std::optional<std::string_view> mistake =
      FirstFailedCheck({GetWindowTextLengthW(Edit1) == 0, Checked(CheckBox1), Checked(CheckBox2),
                        Checked(CheckBox3), Checked(CheckBox4)});
  if (mistake) {
    ShowMessageDialog(Handle(), FromSystemText(*mistake));
    return;
  }
  SetCaption(Button2, captions::WaitCaption);
  UpdateWindow(Button2);
  running_ = true;
  RunOutcome outcome = RunFromWindow(AsUtf16(WindowText(Edit1)), Windows1252Names,
                                     Checked(CheckBox2), Checked(CheckBox4));
  running_ = false;
  if (closed_) return;  // the session ended during the wait for the segmenter
  // The button reads its resting caption after a failed run too: the run is over.
  SetCaption(Button2, captions::DetectCaption);
  switch (outcome.ending) {
    case RunOutcome::Ending::Completed:
      ShowMessageDialog(Handle(), FromSystemText(outcome.text));
      break;
    case RunOutcome::Ending::Failed:
      ShowErrorBox(Handle(), FromSystemText(outcome.text));
      break;
    case RunOutcome::Ending::Interrupted:
      Close();  // the program was asked to end
      break;
  }
}

void TMainForm::ControlClick(HWND control) {
  if (control == Button1) Button1Click();
  if (control == Button2) Button2Click();
  if (control == CheckBox1) CheckBox1Click();
  if (control == CheckBox2) CheckBox2Click();
  if (control == CheckBox3) CheckBox3Click();
  if (control == CheckBox4) CheckBox4Click();
  if (control == Label4) Label4Click();
}

// Like a click, a change made by a partner's handler runs the box's handler too.
void TMainForm::Uncheck(HWND box) {
  if (!Checked(box)) return;
  SendMessageW(box, BM_SETCHECK, BST_UNCHECKED, 0);
  ControlClick(box);
}

void TMainForm::CheckBox1Click() {
  if (Checked(CheckBox1)) Uncheck(CheckBox2);
}

void TMainForm::CheckBox2Click() {
  if (Checked(CheckBox2)) Uncheck(CheckBox1);
}

void TMainForm::CheckBox3Click() {
  if (Checked(CheckBox3)) Uncheck(CheckBox4);
}

void TMainForm::CheckBox4Click() {
  if (Checked(CheckBox4)) Uncheck(CheckBox3);
}

void TMainForm::Label4Click() { AjudaForm->ShowModal(); }

void TMainForm::ShowStatus(std::string_view text) { statusThrottle_.Show(text); }

void TMainForm::PaintStatus(std::string_view text) {
  std::wstring shown = FromSystemText(text);
  FitLabel(Status, shown);
  SetWindowTextW(Status, shown.c_str());
  UpdateWindow(Handle());  // what a shorter text uncovered
  UpdateWindow(Status);
}
