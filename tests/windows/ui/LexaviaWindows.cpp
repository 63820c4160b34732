#include "LexaviaWindows.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace driver {
namespace {

// Far beyond what any step takes on a loaded machine under Wine.
constexpr ULONGLONG PatienceMilliseconds = 10 * 60 * 1000;
constexpr DWORD LookAgainMilliseconds = 5;

// The static control that holds a message box's text.
constexpr int MessageBoxTextId = 0xFFFF;

std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c < 128 ? static_cast<char>(c) : '?';
  return narrow;
}

bool IsClass(HWND window, const wchar_t* name) {
  return lstrcmpiW(ClassOf(window).c_str(), name) == 0;
}

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM found) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

// In the order a reader meets them: by line, then from the left.
void SortByPlace(std::vector<HWND>& controls) {
  std::sort(controls.begin(), controls.end(), [](HWND a, HWND b) {
    RECT first = PlaceOf(a), second = PlaceOf(b);
    return first.top != second.top ? first.top < second.top : first.left < second.left;
  });
}

}  // namespace

void WaitUntil(const std::function<bool()>& condition, const std::string& what) {
  ULONGLONG start = GetTickCount64();
  while (!condition()) {
    if (GetTickCount64() - start > PatienceMilliseconds) {
      throw std::runtime_error("waited in vain for " + what);
    }
    Sleep(LookAgainMilliseconds);
  }
}

int TestedDpi() {
  static const int dpi = [] {
    const char* setting = std::getenv("LEXAVIA_DPI");
    int expected = setting != nullptr ? std::atoi(setting) : USER_DEFAULT_SCREEN_DPI;
    HDC screen = GetDC(nullptr);
    int actual = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (actual != expected) {
      throw std::runtime_error("the system runs at " + std::to_string(actual) +
                               " dots per inch, not " + std::to_string(expected));
    }
    return expected;
  }();
  return dpi;
}

int AtTestedDpi(int pixelsAt96Dpi) {
  return MulDiv(pixelsAt96Dpi, TestedDpi(), USER_DEFAULT_SCREEN_DPI);
}

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, PatienceMilliseconds,
                           &length)) {
    throw std::runtime_error("no answer to WM_GETTEXTLENGTH");
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_NORMAL, PatienceMilliseconds, &copied)) {
    throw std::runtime_error("no answer to WM_GETTEXT");
  }
  text.resize(copied);
  return text;
}

std::wstring TextNow(HWND window) {
  std::wstring text(4096, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), 4096)));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

LONG StyleOf(HWND window) { return GetWindowLongW(window, GWL_STYLE); }

RECT PlaceOf(HWND control) {
  RECT place;
  GetWindowRect(control, &place);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

SIZE ClientSize(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

std::map<COLORREF, int> ColoursOnScreen(HWND window) {
  RECT place;
  GetWindowRect(window, &place);
  int width = place.right - place.left, height = place.bottom - place.top;
  // One copy of the screen's pixels, read as 32-bit blue, green, red.
  HDC screen = GetDC(nullptr);
  HDC copy = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
  SelectObject(copy, previous);
  BITMAPINFO format = {};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<RGBQUAD> pixels(static_cast<std::size_t>(width) * height);
  GetDIBits(copy, bitmap, 0, height, pixels.data(), &format, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(nullptr, screen);
  std::map<COLORREF, int> colours;
  for (const RGBQUAD& pixel : pixels) ++colours[RGB(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue)];
  return colours;
}

Lexavia::Lexavia(const std::wstring& program, const std::wstring& folder) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process_)) {
    throw std::runtime_error("cannot start " + Narrow(program));
  }
}

Lexavia::~Lexavia() {
  if (Running()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, INFINITE);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

std::vector<HWND> Lexavia::TopLevelWindows() const {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{process_.dwProcessId, {}};
  EnumWindows(
      [](HWND window, LPARAM parameter) {
        auto* search = reinterpret_cast<Search*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Lexavia::Window(const wchar_t* windowClass) const {
  for (HWND window : TopLevelWindows()) {
    if (IsClass(window, windowClass)) return window;
  }
  return nullptr;
}

HWND Lexavia::WaitForWindow(const wchar_t* windowClass) {
  HWND window = nullptr;
  WaitUntil(
      [&] {
        if (!Running()) throw std::runtime_error("Lexavia ended");
        return (window = Window(windowClass)) != nullptr;
      },
      "a window of class " + Narrow(windowClass));
  return window;
}

HWND Lexavia::OpenMessageBox() const {
  for (HWND window : TopLevelWindows()) {
    if (IsClass(window, L"#32770") && GetDlgItem(window, MessageBoxTextId) != nullptr) {
      return window;
    }
  }
  return nullptr;
}

MessageBoxSeen Lexavia::AnswerMessageBox() {
  HWND box = nullptr;
  WaitUntil([&] { return (box = OpenMessageBox()) != nullptr; }, "a message box");
  MessageBoxSeen seen{TextOf(box), TextOf(GetDlgItem(box, MessageBoxTextId)), false, 0, {}};
  HWND ok = nullptr;
  for (HWND child : Children(box)) {
    if (!IsWindowVisible(child)) continue;
    if (IsClass(child, L"Static") && (StyleOf(child) & SS_TYPEMASK) == SS_ICON) {
      seen.icon = seen.icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
    }
    if (IsClass(child, L"Button")) {
      ++seen.buttons;
      seen.buttonText = TextOf(child);
      ok = child;
    }
  }
  if (ok == nullptr) throw std::runtime_error("a message box without a button");
  PostMessageW(ok, BM_CLICK, 0, 0);
  // Ended, a box is hidden at once, and destroyed when its loop returns.
  WaitUntil([&] { return !IsWindowVisible(box); }, "the message box to close");
  return seen;
}

HWND Lexavia::Focus() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(process_.dwThreadId, &info);
  return info.hwndFocus;
}

std::vector<DWORD> Lexavia::ChildProcesses() const {
  std::vector<DWORD> children;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) throw std::runtime_error("no list of processes");
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more;
       more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ParentProcessID == process_.dwProcessId) children.push_back(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return children;
}

DWORD Lexavia::WaitForExit() {
  WaitUntil([&] { return !Running(); }, "Lexavia to end");
  DWORD status = 0;
  GetExitCodeProcess(process_.hProcess, &status);
  return status;
}

bool Lexavia::Running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

MainWindow::MainWindow(HWND window) : window(window) {
  std::vector<HWND> edits, buttons, boxes, labels;
  for (HWND child : Children(window)) {
    LONG type = StyleOf(child) & BS_TYPEMASK;
    if (IsClass(child, L"Edit")) edits.push_back(child);
    if (IsClass(child, L"Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
      buttons.push_back(child);
    }
    if (IsClass(child, L"Button") && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX)) {
      boxes.push_back(child);
    }
    if (IsClass(child, L"Static")) labels.push_back(child);
  }
  if (edits.size() != 1 || buttons.size() != 2 || boxes.size() != 4 || labels.size() != 5) {
    throw std::runtime_error("the main window lacks controls or has more");
  }
  SortByPlace(buttons);
  SortByPlace(boxes);
  SortByPlace(labels);
  Edit1 = edits[0];
  Button1 = buttons[0];
  Button2 = buttons[1];
  CheckBox1 = boxes[0];
  CheckBox2 = boxes[1];
  CheckBox3 = boxes[2];
  CheckBox4 = boxes[3];
  Label1 = labels[0];
  Label2 = labels[1];
  Label3 = labels[2];
  Status = labels[3];
  Label4 = labels[4];
}

bool MainWindow::Checked(HWND box) const {
  return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::Click(HWND control) const { SendMessageW(control, BM_CLICK, 0, 0); }

void MainWindow::PostClick(HWND control) const {
  if (IsClass(control, L"Static")) {
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  } else {
    PostMessageW(control, BM_CLICK, 0, 0);
  }
}

void MainWindow::Type(const std::wstring& text) const {
  SendMessageW(Edit1, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace driver
