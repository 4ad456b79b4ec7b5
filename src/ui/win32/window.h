#pragma once
#include <windows.h>

#include <string>

namespace zt::ui::win32 {

HINSTANCE ModuleInstance();

// One window and the object behind it. Either a window of one of the
// binding's own classes, or a common control of Windows' own class that is
// subclassed, so that the binding sees its messages first. Both thunks only
// find the object and forward to HandleMessage.
class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }
  void DestroyHandle();

 protected:
  // A window of an own class, registered on first use.
  HWND CreateOwn(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* caption, int x, int y,
                 int width, int height, HWND parent);
  // A window of a system or common-control class, subclassed at once.
  HWND CreateCommon(const wchar_t* className, DWORD exStyle, DWORD style, const wchar_t* caption, int x,
                    int y, int width, int height, HWND parent, UINT_PTR id);

  virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
  void Forget();

  HWND hwnd_ = nullptr;
  bool subclassed_ = false;
};

// The object behind a window made by this binding, or null.
Window* WindowFromHandle(HWND hwnd);
std::wstring WindowTextOf(HWND hwnd);

}  // namespace zt::ui::win32
