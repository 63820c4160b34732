#include "ui/win32/OpenDialog.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace {

// Room for the longest path the system has, 32767 characters, and its end.
constexpr std::size_t LongestPath = 32768;

}  // namespace

bool TOpenDialog::Execute(HWND owner) {
  std::vector<wchar_t> chosen(fileName_.begin(), fileName_.end());
  chosen.resize(std::max(chosen.size() + 1, LongestPath), L'\0');
  for (;;) {
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFile = chosen.data();
    dialog.nMaxFile = static_cast<DWORD>(chosen.size());
    // The current directory stays where the program started, so that a
    // relative name typed later means what it meant before.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    if (GetOpenFileNameW(&dialog)) {
      fileName_ = chosen.data();
      return true;
    }
    if (CommDlgExtendedError() != FNERR_BUFFERTOOSMALL) return false;
    // The pick did not fit: its first character holds the size it needs. The
    // dialog opens again with room for it, in the folder of the last pick.
    std::size_t needed = chosen[0];
    chosen.assign(std::max(needed + 1, chosen.size() * 2), L'\0');
    std::copy(fileName_.begin(), fileName_.end(), chosen.begin());
  }
}
