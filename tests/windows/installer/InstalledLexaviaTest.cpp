// After a silent installation: the Start-menu shortcut, read as the shell
// reads it, names the installed program and the installation folder as its
// working folder, and Lexavia started as the shortcut starts it finds the
// installed dictionaries and segmenter there and completes a run that
// stores its new candidates in the user dictionary.
#include <windows.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "ui/AppFolder.h"
#include "ui/ExpectedTexts.h"
#include "ui/LexaviaWindows.h"

using namespace driver;

namespace {

void Check(HRESULT result, const char* what) {
  if (FAILED(result)) throw std::runtime_error(std::string(what) + " failed");
}

std::wstring KnownFolder(REFKNOWNFOLDERID folder) {
  PWSTR path = nullptr;
  Check(SHGetKnownFolderPath(folder, 0, nullptr, &path), "SHGetKnownFolderPath");
  std::wstring known(path);
  CoTaskMemFree(path);
  return known;
}

struct Shortcut {
  std::wstring target;
  std::wstring workingFolder;
};

Shortcut ReadShortcut(const std::wstring& file) {
  IShellLinkW* link = nullptr;
  Check(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)),
        "creating a shell link");
  IPersistFile* persisted = nullptr;
  Check(link->QueryInterface(IID_PPV_ARGS(&persisted)), "IPersistFile");
  Check(persisted->Load(file.c_str(), STGM_READ), "loading the shortcut");
  wchar_t target[MAX_PATH] = {}, folder[MAX_PATH] = {};
  Check(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH), "the shortcut's target");
  Check(link->GetWorkingDirectory(folder, MAX_PATH), "the shortcut's working folder");
  persisted->Release();
  link->Release();
  return {target, folder};
}

}  // namespace

TEST(InstalledLexaviaTest, TheStartMenuShortcutStartsARunInTheInstallationFolder) {
  Check(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), "CoInitializeEx");
  const std::wstring installation = KnownFolder(FOLDERID_LocalAppData) + L"\\Programs\\Lexavia";
  Shortcut shortcut = ReadShortcut(KnownFolder(FOLDERID_Programs) + L"\\Lexavia.lnk");
  EXPECT_EQ(shortcut.target, installation + L"\\Lexavia.exe");
  EXPECT_EQ(shortcut.workingFolder, installation);

  const std::wstring input = Prepared("LEXAVIA_INPUT").wstring();
  Lexavia lexavia(shortcut.target, shortcut.workingFolder);
  MainWindow main(lexavia.WaitForWindow(L"TMainForm"));
  main.Click(main.CheckBox2);  // store new candidates
  main.Type(input);
  main.PostClick(main.Button2);
  EXPECT_EQ(lexavia.AnswerMessageBox().text, CompletionFor(input));
  PostMessageW(main.window, WM_CLOSE, 0, 0);
  EXPECT_EQ(lexavia.WaitForExit(), 0u);
  CoUninitialize();
}
