// The system's file-open dialog as the main window uses it: every file
// listed, its own title and folder, the read-only box hidden, resizable,
// one file at a time; it opens with the file last chosen in it.
#pragma once

#include <windows.h>

#include <string>

class TOpenDialog {
 public:
  // Shows the dialog modally over `owner`. True when the user chose a file,
  // whose full path FileName() then gives; false when cancelled, which
  // changes nothing.
  bool Execute(HWND owner);

  const std::wstring& FileName() const { return fileName_; }

 private:
  std::wstring fileName_;
};
