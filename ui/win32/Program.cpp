#include "ui/win32/Program.h"

#include <windows.h>

#include <commctrl.h>

#include <exception>

#include "platform/TerminationRequest.h"
#include "ui/common/ApplicationTitle.h"
#include "ui/win32/Ajuda.h"
#include "ui/win32/Dialogs.h"
#include "ui/win32/Main.h"
#include "ui/win32/SystemText.h"
#include "ui/win32/WindowLook.h"

namespace {

std::wstring ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring TitleOfThisProgram() {
  std::u16string title = ApplicationTitleFor(AsUtf16(ExecutablePath()));
  return std::wstring(title.begin(), title.end());
}

int RunWindowLoop(TMainForm& mainForm) {
  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    // Tab and the space bar move and act between the main window's controls.
    if (mainForm.Handle() != nullptr && IsDialogMessageW(mainForm.Handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return got == 0 ? static_cast<int>(message.wParam) : 1;
}

}  // namespace

int RunProgram(int showCommand) {
  // The end of the session reaches the main window as a message.
  platform::WatchTerminationRequests();
  // A run holds the window's thread for seconds while the status line goes
  // on painting: the system must not put a frozen copy in its place.
  DisableProcessWindowsGhosting();
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  ApplicationTitle = TitleOfThisProgram();
  try {
    TMainForm mainForm;
    MainForm = &mainForm;
    TAjudaForm ajudaForm(mainForm.Handle());
    AjudaForm = &ajudaForm;
    mainForm.Show(showCommand);
    int status = RunWindowLoop(mainForm);
    AjudaForm = nullptr;
    MainForm = nullptr;
    return status;
  } catch (const std::exception& failure) {
    // Started in a folder whose name the system's text cannot hold, for instance.
    AjudaForm = nullptr;
    MainForm = nullptr;
    ShowFailure(nullptr, failure);
    return 1;
  }
}
