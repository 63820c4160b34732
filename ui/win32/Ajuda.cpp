#include "ui/win32/Ajuda.h"

#include "ui/common/FormLayout.h"
#include "ui/common/HelpText.h"
#include "ui/win32/SystemText.h"
#include "ui/win32/WindowLook.h"

TAjudaForm* AjudaForm = nullptr;

namespace layout = ajuda_form_layout;

namespace {

// The edit control breaks lines at CR LF only.
std::wstring WithWindowsLineBreaks(const std::wstring& text) {
  std::wstring converted;
  for (wchar_t c : text) {
    if (c == L'\n') converted += L'\r';
    converted += c;
  }
  return converted;
}

}  // namespace

TAjudaForm::TAjudaForm(HWND owner)
    : TForm(L"TAjudaForm", FromSystemText(AjudaCaption), WS_OVERLAPPEDWINDOW, owner,
            layout::ClientWidth, layout::ClientHeight) {
  // No horizontal scrolling: lines wrap at word boundaries, at any width.
  Memo1 = CreateControl(L"EDIT", WithWindowsLineBreaks(FromSystemText(AjudaText())),
                        WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0,
                        {0, 0, layout::ClientWidth, layout::ClientHeight});
}

void TAjudaForm::ShowModal() {
  HWND owner = GetWindow(Handle(), GW_OWNER);
  if (!shownBefore_) {
    shownBefore_ = true;
    CentreByFrameOn(Handle(), PrimaryScreen());
  }
  EnableWindow(owner, FALSE);
  ShowWindow(Handle(), SW_SHOW);
  MSG message;
  while (Handle() != nullptr && IsWindowVisible(Handle())) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The loop of the program ends too: the request stays for it.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (IsWindow(owner)) EnableWindow(owner, TRUE);
}

void TAjudaForm::EndModal() {
  EnableWindow(GetWindow(Handle(), GW_OWNER), TRUE);  // before hiding, so the owner is activated
  ShowWindow(Handle(), SW_HIDE);
}

LRESULT TAjudaForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      MoveWindow(Memo1, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) SetFocus(Memo1);  // the only control
      return 0;
    case WM_CTLCOLORSTATIC: {
      // A read-only edit asks for the colours of a label; the memo keeps a text box's.
      auto dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_CLOSE:
      EndModal();
      return 0;
    default:
      return DefaultHandling(message, wParam, lParam);
  }
}
