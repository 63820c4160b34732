#include "ui/win32/Dialogs.h"

#include "ui/common/FailureText.h"
#include "ui/win32/SystemText.h"
#include "ui/win32/WindowLook.h"

void ShowMessageDialog(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), ApplicationTitle.c_str(), MB_OK);
}

void ShowErrorBox(HWND owner, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), ApplicationTitle.c_str(), MB_OK | MB_ICONSTOP);
}

void ShowFailure(HWND owner, const std::exception& failure) {
  ShowErrorBox(owner, FromSystemText(FailureText(failure)));
}
