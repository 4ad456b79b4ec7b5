#pragma once
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "ui/timer.h"
#include "ui/tray_icon.h"
#include "ui/win32/control_view.h"

namespace zt::ui::win32 {

// A timer runs a window timer while it is enabled with an interval above 0.
class TimerView : public ComponentBinding {
 public:
  TimerView(Binding& binding, ui::Timer& timer);
  ~TimerView() override;
  void Changed(ui::Component& component, const ui::Change& change) override;

 private:
  void Restart();
  void Stop();
  ui::Timer& timer_;
  UINT_PTR id_ = 0;
};

// The notification-area icon: added while Visible, with the tooltip and the
// balloons of the model; its mouse messages become the model's user operations.
class TrayIconView : public ComponentBinding {
 public:
  TrayIconView(Binding& binding, ui::TrayIcon& icon);
  ~TrayIconView() override;
  void Changed(ui::Component& component, const ui::Change& change) override;
  void ShowBalloon();
  // The message the notification area sends about this icon.
  UINT CallbackMessage() const { return callbackMessage_; }

 private:
  NOTIFYICONDATAW Data(UINT flags) const;
  void Add();
  void Remove();
  void Callback(LPARAM message);
  ui::TrayIcon& icon_;
  UINT callbackMessage_ = 0;
  bool added_ = false;
};

}  // namespace zt::ui::win32
