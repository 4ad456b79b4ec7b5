#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "ui/form.h"
#include "ui/host.h"
#include "ui/image.h"

namespace zt::ui::win32 {

class ComponentBinding;
class ControlView;
class MessageWindow;

// Realises model trees as real windows, keeps both in step, and performs the
// model's platform operations (modal loops, dialogs, menus, balloons).
//
//   Binding binding;
//   binding.SetMainForm(mainForm);   // its window gets the task-bar button
//   binding.Realise(mainForm);       // windows for the form and all it holds
//   mainForm.Show();
//   binding.RunMessageLoop();        // until the main form closes
//
// A dialog form is realised the same way and shown with form.ShowModal().
class Binding : public ui::Host {
 public:
  Binding();
  ~Binding() override;
  Binding(const Binding&) = delete;
  Binding& operator=(const Binding&) = delete;

  // The form whose window has the task-bar button and whose closing ends
  // RunMessageLoop; the other forms' windows are owned by it.
  void SetMainForm(ui::Form& form);
  ui::Form* MainForm() const { return mainForm_; }

  // Creates the windows of the form, of every control on it and of the
  // non-visual components it owns (menus, tray icon, timers, dialogs), and
  // becomes the form's host. Controls placed on it later are realised as
  // they arrive; non-visual components created later, by calling this again.
  void Realise(ui::Form& form);
  // The window of a realised control or form; null when it has none. The
  // window of a control that was hidden when realised (or lies in one) is
  // made now, hidden or not as the model says.
  HWND HandleOf(const ui::Component& component);

  // Runs the message loop until the main form closes (or WM_QUIT); returns
  // the quit code.
  int RunMessageLoop();
  // Handles the messages waiting now, without blocking (for tests).
  void ProcessPendingMessages();
  // Keyboard handling of the forms (Tab, Return, Escape, key preview) for a
  // message about to be dispatched; true when it was consumed.
  bool PreTranslate(MSG& msg);

  // ui::Host
  void RunModal(ui::Form& form) override;
  void FormClosed(ui::Form& form) override;
  bool ExecuteTaskDialog(ui::TaskDialog& dialog) override;
  std::optional<std::wstring> ExecuteOpenDialog(ui::OpenDialog& dialog) override;
  void Popup(ui::PopupMenu& menu, int x, int y) override;
  void ShowBalloonHint(ui::TrayIcon& icon) override;
  void ScrollLines(ui::Memo& memo, int lines) override;

  // For the views.
  ComponentBinding* ViewOf(const ui::Component* component) const;
  ControlView* ControlViewOf(const ui::Component* component) const;
  // A control hidden when realised gets its window (and its children theirs)
  // when it first shows.
  void RealiseControl(ui::Control& control);
  // The image list's view, made on first use.
  ComponentBinding* RealiseImageList(ui::ImageList& images);
  void Forget(ComponentBinding& view);
  // The window that owns the forms' windows until a main form exists.
  HWND ApplicationWindow();
  MessageWindow& Messages();
  // The control under the mouse, as the windows report it: leaving one and
  // entering the next fires their events in that order.
  void MouseAt(ui::Control* control, HWND reporter);
  void MouseGone(HWND reporter);
  // The hint (tooltip) of a control follows its Hint and ShowHint.
  void UpdateHint(ControlView& view);
  void RemoveHint(ControlView& view);

 private:
  struct HintTool {
    HWND toolWindow;
    HWND tooltip;
    UINT_PTR id;
  };

  void RealiseComponent(ui::Component& component);
  void RealiseOwned(ui::Component& owner);
  // Gives the control the view that makes its window, in place of the one
  // that waited for it to show.
  void Install(ui::Control& control, std::unique_ptr<ControlView> view, bool late);
  // Makes the window of a control that has none yet, and its parents'.
  void Materialise(const ui::Control& control);
  // The window that dialogs and menus opened now belong to.
  HWND ActiveOwner();

  std::map<const ui::Component*, std::unique_ptr<ComponentBinding>> views_;
  ui::Form* mainForm_ = nullptr;
  std::unique_ptr<MessageWindow> messages_;
  ui::Control* mouseControl_ = nullptr;
  HWND mouseReporter_ = nullptr;
  std::map<HWND, HWND> tooltips_;  // per top-level window
  std::map<const ControlView*, HintTool> hintTools_;
};

}  // namespace zt::ui::win32
