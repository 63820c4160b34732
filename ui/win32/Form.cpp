#include "ui/win32/Form.h"

#include <exception>
#include <stdexcept>

#include "ui/win32/Dialogs.h"
#include "ui/win32/WindowLook.h"

namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

// What a toolkit says when the system has no window left to give.
[[noreturn]] void ThrowWindowNotCreated() { throw std::runtime_error("Error creating window"); }

}  // namespace

TForm::TForm(const wchar_t* className, const std::wstring& caption, DWORD style, HWND owner,
             int clientWidth, int clientHeight) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  if (!GetClassInfoExW(Instance(), className, &windowClass)) {
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = Instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    if (!RegisterClassExW(&windowClass)) ThrowWindowNotCreated();
  }
  RECT frame = {0, 0, Scaled(clientWidth), Scaled(clientHeight)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  // The window procedure sets handle_ at once, for the messages of creation.
  CreateWindowExW(0, className, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                  frame.right - frame.left, frame.bottom - frame.top, owner, nullptr, Instance(),
                  this);
  if (handle_ == nullptr) ThrowWindowNotCreated();
}

TForm::~TForm() {
  if (handle_ != nullptr) DestroyWindow(handle_);
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultHandling(message, wParam, lParam);
}

LRESULT TForm::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(handle_, message, wParam, lParam);
}

HWND TForm::CreateControl(const wchar_t* controlClass, const std::wstring& text, DWORD style,
                          DWORD extendedStyle, const ControlPlace& place) {
  HWND control =
      CreateWindowExW(extendedStyle, controlClass, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                      Scaled(place.left), Scaled(place.top), Scaled(place.width),
                      Scaled(place.height), handle_, nullptr, Instance(), nullptr);
  if (control == nullptr) ThrowWindowNotCreated();
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(WindowFont()), FALSE);
  return control;
}

LRESULT CALLBACK TForm::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* form = reinterpret_cast<TForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    form->handle_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  // No exception may pass through the system's frames on the way out.
  try {
    return form->HandleMessage(message, wParam, lParam);
  } catch (const std::exception& failure) {
    ShowFailure(window, failure);
    return 0;
  }
}
