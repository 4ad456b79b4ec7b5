#pragma once
#include <windows.h>

#include <functional>
#include <map>

#include "ui/win32/window.h"

namespace zt::ui::win32 {

// The binding's hidden top-level window: it owns the forms' windows until a
// main form exists, and receives timer ticks, notification-area callbacks
// and the menus' commands.
class MessageWindow : public Window {
 public:
  MessageWindow();

  // A timer tick calls `tick` every `interval` ms until StopTimer.
  UINT_PTR StartTimer(unsigned interval, std::function<void()> tick);
  void StopTimer(UINT_PTR id);

  // Messages of notification-area icons: one message number per icon.
  UINT AddTrayCallback(std::function<void(LPARAM)> callback);
  void RemoveTrayCallback(UINT message);
  // Called again when the task bar is re-created (Explorer restarted).
  void OnTaskbarCreated(UINT message, std::function<void()> callback);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  UINT_PTR nextTimer_ = 1;
  std::map<UINT_PTR, std::function<void()>> timers_;
  UINT nextTray_ = WM_APP + 1;
  std::map<UINT, std::function<void(LPARAM)>> trayCallbacks_;
  std::map<UINT, std::function<void()>> taskbarCreated_;
  UINT taskbarCreatedMessage_ = 0;
};

}  // namespace zt::ui::win32
