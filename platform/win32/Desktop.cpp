#include "platform/Desktop.h"

#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>
#include <shobjidl.h>

#include "platform/FileError.h"
#include "platform/win32/WideText.h"

namespace platform {
namespace {

// Releases a COM interface at the end of its scope.
template <typename Interface>
struct Released {
  Interface* pointer = nullptr;
  ~Released() {
    if (pointer) pointer->Release();
  }
};

}  // namespace

bool StartedFromDesktop() {
  // Another program on the console (a command prompt) means a command line.
  DWORD processes[2];
  return GetConsoleProcessList(processes, 2) == 1;
}

std::optional<std::string> AskForFolder(const std::string& title) {
  HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  if (FAILED(started)) return std::nullopt;
  std::optional<std::string> folder;
  {
    Released<IFileOpenDialog> dialog;
    Released<IShellItem> picked;
    PWSTR path = nullptr;
    FILEOPENDIALOGOPTIONS options = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&dialog.pointer))) &&
        SUCCEEDED(dialog.pointer->GetOptions(&options)) &&
        SUCCEEDED(dialog.pointer->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM |
                                             FOS_PATHMUSTEXIST)) &&
        SUCCEEDED(dialog.pointer->SetTitle(win32::WidePath(title).c_str())) &&
        SUCCEEDED(dialog.pointer->Show(GetConsoleWindow())) &&
        SUCCEEDED(dialog.pointer->GetResult(&picked.pointer)) &&
        SUCCEEDED(picked.pointer->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
      try {
        folder = win32::NarrowPath(path);
      } catch (const FileError&) {
        // A name Windows-1252 cannot hold names no folder the program can read.
      }
      CoTaskMemFree(path);
    }
  }
  CoUninitialize();
  return folder;
}

bool OpenWithDefaultProgram(const std::string& path) {
  // ShellExecuteW's result above 32 means success.
  return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", win32::WidePath(path).c_str(),
                                                 nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

}  // namespace platform
