#include "ui/win32/message_window.h"

namespace zt::ui::win32 {

MessageWindow::MessageWindow() {
  taskbarCreatedMessage_ = ::RegisterWindowMessageW(L"TaskbarCreated");
  // A real (hidden) top-level window, not a message-only one: it owns
  // windows and must be able to come to the foreground for tray menus.
  CreateOwn(L"ZtApplication", WS_EX_TOOLWINDOW, WS_POPUP, L"Zentory", 0, 0, 0, 0, nullptr);
}

UINT_PTR MessageWindow::StartTimer(unsigned interval, std::function<void()> tick) {
  UINT_PTR id = nextTimer_++;
  timers_[id] = std::move(tick);
  ::SetTimer(Handle(), id, interval, nullptr);
  return id;
}

void MessageWindow::StopTimer(UINT_PTR id) {
  if (timers_.erase(id)) ::KillTimer(Handle(), id);
}

UINT MessageWindow::AddTrayCallback(std::function<void(LPARAM)> callback) {
  UINT message = nextTray_++;
  trayCallbacks_[message] = std::move(callback);
  return message;
}

void MessageWindow::RemoveTrayCallback(UINT message) {
  trayCallbacks_.erase(message);
  taskbarCreated_.erase(message);
}

void MessageWindow::OnTaskbarCreated(UINT message, std::function<void()> callback) {
  taskbarCreated_[message] = std::move(callback);
}

LRESULT MessageWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    auto it = timers_.find(wParam);
    if (it != timers_.end()) {
      // A copy: the handler may stop (and so erase) its own timer.
      std::function<void()> tick = it->second;
      tick();
    }
    return 0;
  }
  if (msg == taskbarCreatedMessage_ && msg != 0) {
    auto callbacks = taskbarCreated_;
    for (auto& [message, callback] : callbacks) callback();
    return 0;
  }
  if (auto it = trayCallbacks_.find(msg); it != trayCallbacks_.end()) {
    std::function<void(LPARAM)> callback = it->second;
    callback(lParam);
    return 0;
  }
  return Default(msg, wParam, lParam);
}

}  // namespace zt::ui::win32
