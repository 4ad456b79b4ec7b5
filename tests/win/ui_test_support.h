#pragma once
// A small window of each test's own, realised by the Win32 binding.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ui/kinds.h"
#include "ui/win32/binding.h"

namespace zt::ui::testing {

// One main form for the whole test program. Wine waits up to two seconds
// for a window manager whenever an activated top-level window goes away, and
// the virtual display has none; so the form stays, and each test gets a
// panel of its own on it, which goes away (with all it owns) after the test.
struct SharedMainForm {
  SharedMainForm() {
    form.SetBorderStyle(BorderStyle::bsNone);
    form.SetPosition(Position::poDesigned);
    form.SetBounds(100, 100, 420, 320);
    binding.SetMainForm(form);
    binding.Realise(form);
    form.Show();
    binding.ProcessPendingMessages();
  }
  // Declared before the form: the form goes first, while the binding is there.
  win32::Binding binding;
  Form form;
};

inline SharedMainForm& Shared() {
  static SharedMainForm shared;
  return shared;
}

class UiWindowTest : public ::testing::Test {
 protected:
  UiWindowTest() : binding_(Shared().binding), form_(Shared().form) {
    panel_ = &form_.Create<Panel>();
    panel_->SetBevelOuter(PanelBevel::bvNone);
    panel_->SetParentBackground(false);
    panel_->SetBounds(0, 0, 420, 320);
    panel_->SetParent(&form_);
  }
  ~UiWindowTest() override { form_.RemoveComponent(*panel_); }

  // Lets the windows settle (the controls were realised as they were placed).
  void Show() { Pump(); }

  void Pump() { binding_.ProcessPendingMessages(); }

  HWND Handle(const Component& component) const { return binding_.HandleOf(component); }

  // A control of the test's own, on its panel (or in `parent`).
  template <class T>
  T& Place(int left, int top, int width, int height, WinControl* parent = nullptr) {
    T& control = panel_->Create<T>();
    control.SetBounds(left, top, width, height);
    control.SetParent(parent ? parent : panel_);
    return control;
  }
  // A component of the test's own that has no place on the window.
  template <class T>
  T& Own() {
    return panel_->Create<T>();
  }

  // WM_COMMAND as a control sends it to its parent.
  void Notify(const Control& control, WORD code) {
    HWND hwnd = Handle(control);
    ::SendMessageW(::GetParent(hwnd), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hwnd), code),
                   reinterpret_cast<LPARAM>(hwnd));
  }

  static std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
  }

  win32::Binding& binding_;
  Form& form_;
  Panel* panel_ = nullptr;
};

}  // namespace zt::ui::testing
