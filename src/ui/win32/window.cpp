#include "ui/win32/window.h"

#include <commctrl.h>

#include <set>
#include <string>

namespace zt::ui::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x5A54;
// Both kinds of window carry their object in a property, so a container can
// find the object behind any child it gets a notification from.
constexpr wchar_t kObjectProp[] = L"ZtWindowObject";

void RegisterOnce(const wchar_t* className, WNDPROC proc) {
  static std::set<std::wstring> registered;
  if (!registered.insert(className).second) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = ModuleInstance();
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = className;
  ::RegisterClassExW(&wc);
}

}  // namespace

HINSTANCE ModuleInstance() {
  // The module that holds this code, which also holds its resources.
  static HINSTANCE instance = [] {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ModuleInstance), &module);
    return module;
  }();
  return instance;
}

Window* WindowFromHandle(HWND hwnd) {
  return hwnd ? static_cast<Window*>(::GetPropW(hwnd, kObjectProp)) : nullptr;
}

std::wstring WindowTextOf(HWND hwnd) {
  int length = ::GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd, text.data(), length + 1)));
  return text;
}

Window::~Window() { DestroyHandle(); }

void Window::DestroyHandle() {
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  // The object is being torn down: no more messages reach it.
  Forget();
  ::DestroyWindow(hwnd);
}

void Window::Forget() {
  if (!hwnd_) return;
  ::RemovePropW(hwnd_, kObjectProp);
  if (subclassed_) {
    ::RemoveWindowSubclass(hwnd_, &Window::SubclassProc, kSubclassId);
  } else {
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  }
  hwnd_ = nullptr;
}

HWND Window::CreateOwn(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* caption, int x,
                       int y, int width, int height, HWND parent) {
  RegisterOnce(className, &Window::WindowProc);
  subclassed_ = false;
  return ::CreateWindowExW(exStyle, className, caption, style, x, y, width, height, parent, nullptr,
                           ModuleInstance(), this);
}

HWND Window::CreateCommon(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* caption, int x,
                          int y, int width, int height, HWND parent, UINT_PTR id) {
  HWND hwnd = ::CreateWindowExW(exStyle, className, caption, style, x, y, width, height, parent,
                                reinterpret_cast<HMENU>(id), ModuleInstance(), nullptr);
  if (!hwnd) return nullptr;
  hwnd_ = hwnd;
  subclassed_ = true;
  ::SetPropW(hwnd, kObjectProp, this);
  ::SetWindowSubclass(hwnd, &Window::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  return hwnd;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) { return Default(msg, wParam, lParam); }

LRESULT Window::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
  return subclassed_ ? ::DefSubclassProc(hwnd_, msg, wParam, lParam)
                     : ::DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    ::SetPropW(hwnd, kObjectProp, self);
  }
  if (!self) return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    // The window is gone; the object may live on (the model outlives it).
    self->Forget();
    return ::DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  return self->HandleMessage(msg, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
  auto* self = reinterpret_cast<Window*>(data);
  if (msg == WM_NCDESTROY) {
    self->Forget();
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  return self->HandleMessage(msg, wParam, lParam);
}

}  // namespace zt::ui::win32
