#pragma once
// Operations of the model that need the platform: modal loops, platform
// dialogs, menus, balloons, scrolling. The window binding implements this;
// tests use a scripted fake (ui/testing/fake_host.h).
#include <optional>
#include <string>

namespace zt::ui {

class Form;
class Memo;
class OpenDialog;
class PopupMenu;
class TaskDialog;
class TrayIcon;

class Host {
 public:
  virtual ~Host() = default;

  // Runs the modal loop of `form`, which the model has just shown: delivers
  // the user's actions to the model until `form.ModalLoopDone()` is true.
  virtual void RunModal(Form& form) = 0;

  // A non-modal form has closed (its OnClose did not keep it); for the main
  // form this ends the program's message loop.
  virtual void FormClosed(Form& form) = 0;

  // Shows the task dialog and delivers its events through the dialog's user
  // operations (DialogCreated, UserClickButton, ...) until a button closes it.
  // False when the platform could not show it.
  virtual bool ExecuteTaskDialog(TaskDialog& dialog) = 0;

  // The chosen file's full path, or nothing when the user cancelled.
  virtual std::optional<std::wstring> ExecuteOpenDialog(OpenDialog& dialog) = 0;

  // Tracks the menu at the screen point; a chosen item gets UserClick().
  virtual void Popup(PopupMenu& menu, int x, int y) = 0;

  // Shows the tray icon's balloon with its current title, text, flags and time-out.
  virtual void ShowBalloonHint(TrayIcon& icon) = 0;

  // Scrolls the memo's view by whole lines (negative: up).
  virtual void ScrollLines(Memo& memo, int lines) = 0;
};

}  // namespace zt::ui
