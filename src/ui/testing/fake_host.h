#pragma once
// A scripted host for tests: records what the model asked of the platform
// and plays the user in modal forms and dialogs.
//
//   FakeHost host;
//   form.SetHost(&host);
//   host.ScriptModal([](Form& box) { box.Find<Button>(L"SRCreate").UserClick(); });
//   host.ScriptTaskDialog([](TaskDialog& td) { td.UserClickVerification(); td.UserClickButton(1); });
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/kinds.h"

namespace zt::ui::testing {

class FakeHost : public Host {
 public:
  struct PopupCall {
    std::wstring menu;
    int x = 0;
    int y = 0;
  };
  struct Balloon {
    std::wstring title;  // as the shell shows them (cut)
    std::wstring text;
    BalloonFlags flags = BalloonFlags::bfNone;
    int timeout = 0;
  };
  struct Scroll {
    std::wstring memo;
    int lines = 0;
  };

  // Each ShowModal takes the next script, which acts as the user on the
  // form. If the form is still open afterwards, the user closes it with the
  // close box (Close, mrCancel). Without a script the form is closed at once.
  void ScriptModal(std::function<void(Form&)> user) { modalScripts_.push_back(std::move(user)); }
  // Each Execute of a task dialog takes the next script, which clicks in it.
  // If the dialog is still open afterwards, the user cancels it (Escape).
  void ScriptTaskDialog(std::function<void(TaskDialog&)> user) { taskScripts_.push_back(std::move(user)); }
  // The platform cannot show task dialogs: Execute returns false.
  void SetTaskDialogsAvailable(bool available) { taskDialogsAvailable_ = available; }
  // The answers of the next file-open dialogs (nothing: cancelled).
  void ScriptOpenDialog(std::optional<std::wstring> answer) { openAnswers_.push_back(std::move(answer)); }
  // The item (by name) the user picks in the next pop-up menu; none by default.
  void ScriptPopupChoice(std::wstring itemName) { popupChoices_.push_back(std::move(itemName)); }

  std::vector<std::wstring> modalForms;   // names, in order
  std::vector<std::wstring> closedForms;  // non-modal forms that closed
  std::vector<std::wstring> taskDialogs;  // names of task dialogs executed
  std::vector<std::wstring> openDialogs;  // names of file-open dialogs executed
  std::vector<PopupCall> popups;
  std::vector<Balloon> balloons;
  std::vector<Scroll> scrolls;

  void RunModal(Form& form) override {
    modalForms.push_back(form.Name());
    if (!modalScripts_.empty()) {
      auto user = std::move(modalScripts_.front());
      modalScripts_.pop_front();
      user(form);
    }
    if (form.ModalLoopDone()) return;
    form.Close();
    if (!form.ModalLoopDone()) throw std::logic_error("the modal form refuses to close");
  }

  void FormClosed(Form& form) override { closedForms.push_back(form.Name()); }

  bool ExecuteTaskDialog(TaskDialog& dialog) override {
    taskDialogs.push_back(dialog.Name());
    if (!taskDialogsAvailable_) return false;
    dialog.DialogCreated();
    if (!taskScripts_.empty()) {
      auto user = std::move(taskScripts_.front());
      taskScripts_.pop_front();
      user(dialog);
    }
    if (dialog.ModalResult() == mrNone && !dialog.UserCancel())
      throw std::logic_error("the task dialog was left open and cannot be cancelled");
    return true;
  }

  std::optional<std::wstring> ExecuteOpenDialog(OpenDialog& dialog) override {
    openDialogs.push_back(dialog.Name());
    if (openAnswers_.empty()) return std::nullopt;
    auto answer = std::move(openAnswers_.front());
    openAnswers_.pop_front();
    return answer;
  }

  void Popup(PopupMenu& menu, int x, int y) override {
    popups.push_back({menu.Name(), x, y});
    if (popupChoices_.empty()) return;
    std::wstring choice = std::move(popupChoices_.front());
    popupChoices_.pop_front();
    for (int i = 0; i < menu.Count(); ++i)
      if (SameName(menu.Items(i).Name(), choice)) menu.Items(i).UserClick();
  }

  void ShowBalloonHint(TrayIcon& icon) override {
    balloons.push_back(
        {icon.ShownBalloonTitle(), icon.ShownBalloonHint(), icon.BalloonFlags(), icon.BalloonTimeout()});
  }

  void ScrollLines(Memo& memo, int lines) override { scrolls.push_back({memo.Name(), lines}); }

 private:
  std::deque<std::function<void(Form&)>> modalScripts_;
  std::deque<std::function<void(TaskDialog&)>> taskScripts_;
  std::deque<std::optional<std::wstring>> openAnswers_;
  std::deque<std::wstring> popupChoices_;
  bool taskDialogsAvailable_ = true;
};

// A view that records every change, for tests of what the model pushes.
class RecordingView : public ComponentView {
 public:
  struct Entry {
    const Component* component;
    Change change;
  };
  std::vector<Entry> changes;
  std::vector<const Component*> destroyed;

  void Changed(Component& component, const Change& change) override {
    changes.push_back({&component, change});
  }
  void Destroying(Component& component) override { destroyed.push_back(&component); }

  // How many changes of `property` were pushed (for `component`, when given).
  int Count(Property property, const Component* component = nullptr) const {
    int count = 0;
    for (const auto& entry : changes)
      if (entry.change.property == property && (!component || entry.component == component)) ++count;
    return count;
  }
};

}  // namespace zt::ui::testing
