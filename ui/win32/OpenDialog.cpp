#include "ui/win32/OpenDialog.h"

#include <commdlg.h>

#include <vector>

namespace {

// The chosen path may hold up to 260 characters.
constexpr DWORD LongestPath = 260;

}  // namespace

bool TOpenDialog::Execute(HWND owner) {
  std::vector<wchar_t> chosen(fileName_.begin(), fileName_.end());
  chosen.resize(LongestPath + 1, L'\0');
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFile = chosen.data();
  dialog.nMaxFile = LongestPath + 1;
  // The current directory stays where the program started, so that a
  // relative name typed later means what it meant before.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&dialog)) return false;
  fileName_ = chosen.data();
  return true;
}
